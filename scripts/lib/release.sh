# Shared by scripts/release, scripts/test and scripts/build-windows: the release's time stamp, the
# tree it is made from, its packages in dist/ and the test that two builds give the same bytes.
# Source after common.sh and windows.sh.

# git archive makes the source archive; dpkg-shlibdeps (dpkg-dev) and file fill in the package's
# Depends; diffoscope (its small edition) shows what differs when two builds do.
RELEASE_PACKAGES=(git dpkg-dev file)
REBUILD_TEST_PACKAGES=(diffoscope-minimal)
DIST="$ORRERY_ROOT/dist"
RELEASE_BUILD="$ORRERY_ROOT/build-release"

# The source archive's own record of its commit's time (a git checkout holds a placeholder).
ARCHIVE_TIME="$ORRERY_ROOT/scripts/lib/archive_time"

# is_git_checkout: whether the tree is a git checkout of its own (a clone has a .git folder, a
# worktree a .git file); an unpacked source archive has neither, wherever it lies.
is_git_checkout() {
    [ -e "$ORRERY_ROOT/.git" ]
}

# commit_time: the last commit's time, in seconds since 1970: every time stamp in every package
# of a release (SOURCE_DATE_EPOCH, the variable Debian's tools and CPack read).
commit_time() {
    git -C "$ORRERY_ROOT" log -1 --format=%ct HEAD
}

# source_date_epoch: SOURCE_DATE_EPOCH when set (a release sets it for the builds it runs), else
# the last commit's time in a git checkout, else the time an unpacked source archive carries, so
# that its packages are the release's bytes.
source_date_epoch() {
    local archived
    if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
        echo "$SOURCE_DATE_EPOCH"
    elif is_git_checkout; then
        commit_time
    elif archived=$(sed -n '$p' "$ARCHIVE_TIME" 2>/dev/null) && [[ $archived =~ ^[0-9]+$ ]]; then
        echo "$archived"
    else
        echo "Neither a git checkout nor an unpacked source archive: set SOURCE_DATE_EPOCH to the sources' time" >&2
        return 1
    fi
}

# tree_changes: what `git status` lists as not committed (untracked files not ignored included).
tree_changes() {
    git -C "$ORRERY_ROOT" status --porcelain
}

# working_tree_commit: a commit of the working tree as it is, untracked files not ignored included,
# on top of HEAD, with the last commit's time and a fixed author; nothing in the checkout changes.
working_tree_commit() {
    local index tree
    index=$(mktemp)
    GIT_INDEX_FILE="$index" git -C "$ORRERY_ROOT" read-tree HEAD &&
        GIT_INDEX_FILE="$index" git -C "$ORRERY_ROOT" add -A &&
        tree=$(GIT_INDEX_FILE="$index" git -C "$ORRERY_ROOT" write-tree)
    local status=$?
    rm -f "$index"
    [ $status -eq 0 ] || return 1
    GIT_AUTHOR_NAME=orrery-release GIT_AUTHOR_EMAIL=release@orrery.invalid \
    GIT_COMMITTER_NAME=orrery-release GIT_COMMITTER_EMAIL=release@orrery.invalid \
    GIT_AUTHOR_DATE="@$SOURCE_DATE_EPOCH +0000" GIT_COMMITTER_DATE="@$SOURCE_DATE_EPOCH +0000" \
        git -C "$ORRERY_ROOT" commit-tree -p HEAD -m "Working tree of a release" "$tree"
}

# source_archive COMMIT PREFIX: the commit's files as git archive writes them, gzip-compressed
# without a name or time in the header. Fixed modes whatever tar.umask says; times are the commit's.
source_archive() {
    git -C "$ORRERY_ROOT" -c tar.umask=022 archive --format=tar --prefix="$2/" "$1" | gzip -9n
}

# release_deb TREE: the Debian package of an unpacked tree, built in TREE/build (its default
# preset, without the tests); prints its path.
release_deb() {
    local tree="$1"
    (cd "$tree" &&
        run_logged "$RELEASE_BUILD/deb-configure.log" cmake --preset default -DBUILD_TESTING=OFF &&
        run_logged "$RELEASE_BUILD/deb-build.log" cmake --build --preset default -j "$(nproc)") ||
        return 1
    (cd "$tree/build" && run_logged "$RELEASE_BUILD/deb-cpack.log" cpack -G DEB) || return 1
    ls "$tree"/build/orrery_*.deb
}

# release_windows TREE: the tree's own scripts/build-windows in TREE/build-windows. freeglut's
# source package, once fetched (and checked) for this checkout, is reused rather than fetched
# again; it is built afresh.
release_windows() {
    local tree="$1"
    if [ -d "$WINDOWS_BUILD/freeglut-source" ]; then
        mkdir -p "$tree/build-windows"
        cp -a "$WINDOWS_BUILD/freeglut-source" "$tree/build-windows/"
    fi
    run_logged "$RELEASE_BUILD/windows.log" "$tree/scripts/build-windows"
}

# release_web_page TREE VERSION: the browser page the tree's scripts/build-web builds,
# build-web/orrery.html, as dist/orrery-VERSION.html.
release_web_page() {
    local tree="$1" version="$2"
    run_logged "$RELEASE_BUILD/web.log" "$tree/scripts/build-web" || return 1
    cp "$tree/build-web/orrery.html" "$DIST/orrery-$version.html"
}

# write_checksums: SHA256SUMS over every other file in dist/, in name order.
write_checksums() {
    (cd "$DIST" && find . -maxdepth 1 -type f ! -name SHA256SUMS -printf '%f\n' | LC_ALL=C sort |
        xargs -d '\n' sha256sum -- >SHA256SUMS)
}

# list_dist: each file of dist/ with its size.
list_dist() {
    local file size
    for file in $(cd "$DIST" && find . -maxdepth 1 -type f -printf '%f\n' | LC_ALL=C sort); do
        size=$(stat -c %s "$DIST/$file")
        printf '  %-28s %9d bytes %6d.%d kB\n' "$file" "$size" \
            $((size / 1000)) $((size % 1000 / 100))
    done
}

# run_rebuild_test [WINDOWS-BUILD [WEB-BUILD]]: builds build/'s Debian package, the Windows
# build's packages and the browser page when their builds are given (an empty one is left out),
# again from a copy of the tree in another folder and compares them.
run_rebuild_test() {
    bash "$ORRERY_ROOT/tests/release/rebuild_test.sh" "$ORRERY_ROOT" "$ORRERY_ROOT/build" "$@"
}
