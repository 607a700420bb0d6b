// The canvas as assistive technology names it: what it shows, in the page's language.
mergeInto(LibraryManager.library, {
  // The close-up of the body whose menu label is `label`; the page names the overview itself.
  WebCanvasShowsCloseUp: function(label) {
    var names = { Sun: '태양', Mercury: '수성', Venus: '금성', Earth: '지구', Mars: '화성',
                  Jupiter: '목성', Saturn: '토성', Uranus: '천왕성', Neptune: '해왕성',
                  Pluto: '명왕성' };
    var name = names[UTF8ToString(label)];
    Module['canvas'].setAttribute('aria-label', name + ' 가까이 보기: 자전축을 따라 도는 ' + name);
  },
});
