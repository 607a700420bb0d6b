// The canvas as assistive technology names it, and its WebGL context drawn on again once restored.
mergeInto(LibraryManager.library, {
  // The close-up of the body whose menu label is `label`; the page names the overview itself.
  WebCanvasShowsCloseUp: function(label) {
    var names = { Sun: '태양', Mercury: '수성', Venus: '금성', Earth: '지구', Mars: '화성',
                  Jupiter: '목성', Saturn: '토성', Uranus: '천왕성', Neptune: '해왕성',
                  Pluto: '명왕성' };
    var name = names[UTF8ToString(label)];
    Module['canvas'].setAttribute('aria-label', name + ' 가까이 보기: 자전축을 따라 도는 ' + name);
  },

  // A restored context keeps its JavaScript object but none of the objects made on it, and its
  // state is back to the defaults. Emscripten's fixed-function emulation keeps its own state in
  // JavaScript: the matrices, colours, lights and client arrays stay valid; what it made on the
  // context goes: the shader programs it compiled for each combination of that state (cached
  // with the locations of their uniforms) and the buffers its drawing streams vertices and
  // indices through. Dropping the cache makes it compile them again on the next draw; new
  // buffers are made as at start-up. The program's own context state is only the viewport,
  // which a restored context sets to the whole drawing buffer, as ChangeSize does, and the
  // culling each sphere turns on and off itself.
  WebRebuildGlEmulation__deps: ['$GL', '$GLImmediateSetup'],  // the emulation, set up in order
  WebRebuildGlEmulation: function() {
    GLImmediate.rendererCache = GLImmediate.MapTreeLib.create();
    GLImmediate.currentRenderer = GLImmediate.lastRenderer = null;
    GLImmediate.fixedFunctionProgram = GLImmediate.lastProgram = null;
    GLImmediate.lastArrayBuffer = null;
    GLImmediate.lastStride = -1;
    GLImmediate.matricesModified = true;
    GL.generateTempBuffers(true, GL.currentContext);
  },
});
