// Touch on the page: a long press on the canvas opens the body menu under the finger, as a right
// press does, and taps work the open menu, wherever the browser turns no long press into a
// context menu (iOS Safari never does). Pointer events tell touches from the mouse.
//
// One finger dragging stays the left-button drag: Emscripten's GLUT turns the canvas's touches
// into mouse events, which the open menu takes as it takes the mouse's. This file holds the
// canvas's touches back from GLUT only while a press may still become a long one, so a finger
// held still does not turn the view, and hands the menu the touches GLUT does not turn into mouse
// events. Its listeners go in on window, capturing, before GLUT's.
mergeInto(LibraryManager.library, {
  $WebTouch__deps: ['$WebMenu'],
  $WebTouch: {
    HOLD_MS: 500,     // a press held this long is a long press
    HOLD_SLOP_PX: 8,  // CSS pixels the finger may wander meanwhile
    hold: null,       // the press that may become a long one: its pointer, point and timer
    events: ['pointerdown', 'pointermove', 'pointerup', 'pointercancel', 'touchmove'],

    listen: function() {
      WebMenu.listenOnWindow(WebTouch.events, WebTouch.onEvent, { passive: false });
    },

    // GLUT turns touches into mouse events where the browser has touch events, as phones do.
    glutTakes: function(event) {
      return event.target == Module['canvas'] && 'ontouchstart' in document.documentElement;
    },

    endHold: function() {
      if (WebTouch.hold) clearTimeout(WebTouch.hold.timer);
      WebTouch.hold = null;
    },

    onEvent: function(event) {
      if (event.type == 'touchmove') {
        if (WebTouch.hold) event.stopImmediatePropagation();
        return;
      }
      if (event.pointerType != 'touch') return;
      if (WebMenu.open) {
        WebTouch.endHold();
        if (WebTouch.glutTakes(event)) return;
        event.preventDefault();  // no mouse events made of the touch as well
        var kind = ['pointermove', 'pointerdown', 'pointerup'].indexOf(event.type);
        if (kind >= 0) _WebMenuPointer(kind, 0, event.clientX, event.clientY);
        return;
      }
      var hold = WebTouch.hold;
      switch (event.type) {
        case 'pointerdown':
          WebTouch.endHold();
          if (!event.isPrimary || event.target != Module['canvas']) return;
          WebTouch.hold = { id: event.pointerId, x: event.clientX, y: event.clientY,
                            startX: event.clientX, startY: event.clientY };
          WebTouch.hold.timer = setTimeout(WebTouch.held, WebTouch.HOLD_MS);
          break;
        case 'pointermove':
          if (!hold || event.pointerId != hold.id) return;
          hold.x = event.clientX;
          hold.y = event.clientY;
          if (Math.abs(hold.x - hold.startX) > WebTouch.HOLD_SLOP_PX ||
              Math.abs(hold.y - hold.startY) > WebTouch.HOLD_SLOP_PX) {
            WebTouch.endHold();
          }
          break;
        default:  // the finger lifted or the browser took the touch over
          if (hold && event.pointerId == hold.id) WebTouch.endHold();
      }
    },

    held: function() {
      var hold = WebTouch.hold;
      WebTouch.hold = null;
      callUserCallback(function() { _WebMenuHeld(Math.round(hold.x), Math.round(hold.y)); });
    },
  },

  WebTouchListen__deps: ['$WebTouch'],
  WebTouchListen: function() { WebTouch.listen(); },
});
