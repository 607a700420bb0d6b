// The canvas as assistive technology names it, and its WebGL context drawn on again once restored.
mergeInto(LibraryManager.library, {
  WebCanvasDescribe: function(description) {
    Module['canvas'].setAttribute('aria-label', UTF8ToString(description));
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
