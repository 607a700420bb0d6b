// The canvas's pop-up menu as HTML: its elements, and the input it takes while open.
//
// The menu's rules (placement, rows, what each event does) are the program's own; this file makes
// and shows the elements and hands the events over. Its listeners go in on window, capturing,
// before GLUT's, so that while the menu is open it alone gets the pointer and the keys, as a
// desktop menu grabs them; a release still reaches GLUT, which keeps its button state by it.
mergeInto(LibraryManager.library, {
  $WebMenu__postset: 'WebMenu.listen();',
  $WebMenu: {
    lists: [],
    open: false,
    events: ['mousemove', 'mousedown', 'mouseup', 'wheel', 'mousewheel', 'DOMMouseScroll',
             'keydown', 'keyup', 'contextmenu'],

    // Not passive: unless told, Chromium makes a window's wheel listeners passive, and then
    // ignores the open menu's preventDefault with an error in the console.
    listen: function() {
      WebMenu.listenOnWindow(WebMenu.events, WebMenu.onEvent, { passive: false });
    },

    // Listens to `events` on window, capturing, so ahead of GLUT's own listeners, until the
    // program exits; the touch listeners go in the same way.
    listenOnWindow: function(events, handler, options) {
      options.capture = true;
      events.forEach(function(type) { window.addEventListener(type, handler, options); });
      __ATEXIT__.push(function() {
        events.forEach(function(type) { window.removeEventListener(type, handler, options); });
      });
    },

    // A list shown or hidden, and the entry that opens it saying so.
    setHidden: function(list, hidden) {
      list.hidden = hidden;
      if (list.opener) list.opener.setAttribute('aria-expanded', String(!hidden));
    },

    // The Menu key, and a contextmenu event no pointer made (the browser's own for that key or
    // Shift+F10), open the menu at the canvas's centre, as Shift+F10 does through GLUT.
    openByKey: function(event) {
      var fromKeyboard = event.type == 'contextmenu' &&
          ('pointerType' in event ? event.pointerType === '' : event.button != 2);
      if (!fromKeyboard && !(event.type == 'keydown' && event.key == 'ContextMenu')) return;
      event.preventDefault();
      _WebMenuOpenByKey();
    },

    onEvent: function(event) {
      if (!WebMenu.open) {
        if (event.type == 'contextmenu' && event.target == Module['canvas']) event.preventDefault();
        WebMenu.openByKey(event);
        return;
      }
      if (event.type != 'mouseup') {
        event.preventDefault();
        event.stopImmediatePropagation();
      }
      switch (event.type) {
        case 'mousemove': _WebMenuPointer(0, 0, event.clientX, event.clientY); break;
        case 'mousedown': _WebMenuPointer(1, event.button, event.clientX, event.clientY); break;
        case 'mouseup': _WebMenuPointer(2, event.button, event.clientX, event.clientY); break;
        case 'keydown':  // the key's name, on the stack for the call
          var stack = stackSave();
          _WebMenuKey(allocateUTF8OnStack(event.key));
          stackRestore(stack);
          break;
      }
    },
  },

  WebMenuCreateList__deps: ['$WebMenu'],
  WebMenuCreateList: function(frame, rowHeight) {
    var list = document.createElement('div');
    list.setAttribute('role', 'menu');
    list.className = 'orrery-menu';
    list.hidden = true;
    list.style.padding = frame + 'px 0';
    list.rowHeight = rowHeight;
    document.body.appendChild(list);
    WebMenu.lists.push(list);
    return WebMenu.lists.length - 1;
  },

  WebMenuAddItem__deps: ['$WebMenu'],
  WebMenuAddItem: function(list, label, opensList) {
    var item = document.createElement('div');
    item.setAttribute('role', 'menuitem');
    item.textContent = UTF8ToString(label);
    item.style.height = item.style.lineHeight = WebMenu.lists[list].rowHeight + 'px';
    if (opensList >= 0) {
      item.setAttribute('aria-haspopup', 'menu');
      item.setAttribute('aria-expanded', 'false');
      WebMenu.lists[opensList].opener = item;
    }
    WebMenu.lists[list].appendChild(item);
  },

  // Widths as the page lays the lists out, measured off screen.
  WebMenuWidth__deps: ['$WebMenu'],
  WebMenuWidth: function(list) {
    var element = WebMenu.lists[list];
    element.style.visibility = 'hidden';
    element.hidden = false;
    var width = Math.ceil(element.getBoundingClientRect().width);
    element.hidden = true;
    element.style.visibility = '';
    return width;
  },

  WebMenuShowList__deps: ['$WebMenu'],
  WebMenuShowList: function(list, x, y, width, height) {
    var element = WebMenu.lists[list];
    element.style.left = x + 'px';
    element.style.top = y + 'px';
    element.style.width = width + 'px';
    element.style.height = height + 'px';
    WebMenu.setHidden(element, false);
  },

  WebMenuHideList__deps: ['$WebMenu'],
  WebMenuHideList: function(list) { WebMenu.setHidden(WebMenu.lists[list], true); },

  WebMenuHighlight__deps: ['$WebMenu'],
  WebMenuHighlight: function(list, row) {
    Array.prototype.forEach.call(WebMenu.lists[list].children, function(item, index) {
      item.classList.toggle('highlighted', index == row);
    });
  },

  WebMenuSetOpen__deps: ['$WebMenu'],
  WebMenuSetOpen: function(open) { WebMenu.open = !!open; },

  // The page's visible area, in the client coordinates the menu is placed in.
  WebMenuViewport: function(size) {
    HEAP32[size >> 2] = document.documentElement.clientWidth;
    HEAP32[(size >> 2) + 1] = document.documentElement.clientHeight;
  },

  // A point of the canvas's drawing buffer, as GLUT reports the pointer, in client coordinates.
  WebMenuCanvasToClient: function(x, y, point) {
    var canvas = Module['canvas'];
    var box = canvas.getBoundingClientRect();
    HEAP32[point >> 2] = Math.round(box.left + x * box.width / canvas.width);
    HEAP32[(point >> 2) + 1] = Math.round(box.top + y * box.height / canvas.height);
  },

  WebMenuDestroy__deps: ['$WebMenu'],
  WebMenuDestroy: function() {
    WebMenu.lists.forEach(function(list) { list.remove(); });
    WebMenu.lists = [];
    WebMenu.open = false;
  },
});
