// The page's frame loop: each animation frame first makes the idle step that is due, then draws
// once if anything asked for a redraw, so a step and the frame that shows it share one refresh.
// It takes the place of GLUT's own redisplay, which draws in the frame after the one asked in.
//
// Before the step it compares the device pixel ratio with the last frame's: the ratio changes
// when the window moves to a screen of another density or the page is zoomed, with no resize and
// not always a media query's change event (an older Safari has no resolution query at all), and
// the drawing buffer then follows it before the frame is drawn.
mergeInto(LibraryManager.library, {
  $WebFrames__deps: ['$GLUT', '$Browser'],
  $WebFrames: {
    requested: false,
    redisplay: false,
    pixelRatio: 0,  // none yet: the first frame compares the buffer with the canvas

    request: function() {
      if (WebFrames.requested) return;
      WebFrames.requested = true;
      requestAnimationFrame(WebFrames.run);
    },

    run: function(timeStamp) {
      WebFrames.requested = false;
      if (devicePixelRatio != WebFrames.pixelRatio) {
        WebFrames.pixelRatio = devicePixelRatio;
        callUserCallback(_WebPixelRatioChanged);
      }
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
