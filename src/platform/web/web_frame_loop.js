// The page's frame loop: each animation frame first makes the idle step that is due, then draws
// once if anything asked for a redraw, so a step and the frame that shows it share one refresh.
// It takes the place of GLUT's own redisplay, which draws in the frame after the one asked in.
mergeInto(LibraryManager.library, {
  $WebFrames__deps: ['$GLUT', '$Browser'],
  $WebFrames: {
    requested: false,
    redisplay: false,

    request: function() {
      if (WebFrames.requested) return;
      WebFrames.requested = true;
      requestAnimationFrame(WebFrames.run);
    },

    run: function(timeStamp) {
      WebFrames.requested = false;
      callUserCallback(function() { _WebFrameBegins(timeStamp); });
      if (!WebFrames.redisplay || !GLUT.displayFunc) return;
      WebFrames.redisplay = false;
      Browser.mainLoop.runIter(function() { {{{ makeDynCall('v', 'GLUT.displayFunc') }}}(); });
    },
  },

  glutPostRedisplay__deps: ['$WebFrames'],
  glutPostRedisplay: function() {
    WebFrames.redisplay = true;
    WebFrames.request();
  },

  WebRequestFrame__deps: ['$WebFrames'],
  WebRequestFrame: function() { WebFrames.request(); },
});
