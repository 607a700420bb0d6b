// Touch on the page: the first finger down on the canvas is the left button, so one finger
// dragging turns the view; a long press on the canvas opens the body menu under the finger, as a
// right press does, and taps work the open menu, wherever the browser turns no long press into a
// context menu (iOS Safari never does). Other fingers reach neither the view nor the menu.
//
// Emscripten's GLUT would turn every finger's touches into the one left button's and cancel
// events that cannot be cancelled; this file's own touch handler takes its place. It makes mouse
// events of the first finger's touches, which GLUT and the open menu take as they take the
// mouse's, and holds its moves back while a press may still become a long one, so a finger held
// still does not turn the view. Pointer events tell touches from the mouse and which finger came
// first (the primary pointer); the menu gets them where no mouse events are made of them. The
// listeners go in on window, capturing, before GLUT's.
mergeInto(LibraryManager.library, {
  $WebTouch__deps: ['$WebMenu', '$GLUT'],
  $WebTouch: {
    HOLD_MS: 500,     // a press held this long is a long press
    HOLD_SLOP_PX: 8,  // CSS pixels the finger may wander meanwhile
    hold: null,       // the press that may become a long one: its pointer, point and timer
    finger: null,     // the identifier of the touch that is the left button
    events: ['pointerdown', 'pointermove', 'pointerup', 'pointercancel'],
    touchEvents: ['touchstart', 'touchmove', 'touchend', 'touchcancel'],
    mouseEvents: { touchstart: 'mousedown', touchmove: 'mousemove', touchend: 'mouseup' },

    listen: function() {
      GLUT.touchHandler = function() {};
      WebMenu.listenOnWindow(WebTouch.events, WebTouch.onEvent, { passive: false });
      WebMenu.listenOnWindow(WebTouch.touchEvents, WebTouch.onTouch, { passive: false });
    },

    // The canvas's touches come as mouse events where the browser has touch events, as phones do.
    makesMouse: function(event) {
      return event.target == Module['canvas'] && 'ontouchstart' in document.documentElement;
    },

    endHold: function() {
      if (WebTouch.hold) clearTimeout(WebTouch.hold.timer);
      WebTouch.hold = null;
    },

    // A finger that goes down while none is on the screen becomes the left button.
    onTouch: function(event) {
      if (event.target != Module['canvas']) return;
      if (event.cancelable) event.preventDefault();  // no mouse events of the browser's as well
      var changed = event.changedTouches;
      if (event.type == 'touchstart' && event.touches.length == changed.length) {
        WebTouch.finger = changed[0].identifier;
      }
      var touch = Array.prototype.find.call(changed, function(t) {
        return t.identifier === WebTouch.finger;
      });
      if (!touch || (event.type == 'touchmove' && WebTouch.hold)) return;
      var type = WebTouch.mouseEvents[event.type] || 'mouseup';
      if (type == 'mouseup') WebTouch.finger = null;
      var mouse = new MouseEvent(type, {
        bubbles: true, cancelable: true, view: window, detail: 1, button: 0,
        buttons: type == 'mouseup' ? 0 : 1, screenX: touch.screenX, screenY: touch.screenY,
        clientX: touch.clientX, clientY: touch.clientY,
      });
      // A cancelled touch lets go of the button without a release on the open menu.
      if (event.type == 'touchcancel') GLUT.onMouseButtonUp(mouse);
      else event.target.dispatchEvent(mouse);
    },

    onEvent: function(event) {
      if (event.pointerType != 'touch' || !event.isPrimary) return;
      if (WebMenu.open) {
        WebTouch.endHold();
        if (WebTouch.makesMouse(event)) return;
        if (event.cancelable) event.preventDefault();  // no mouse events made of the touch as well
        var kind = ['pointermove', 'pointerdown', 'pointerup'].indexOf(event.type);
        if (kind >= 0) _WebMenuPointer(kind, 0, event.clientX, event.clientY);
        return;
      }
      var hold = WebTouch.hold;
      switch (event.type) {
        case 'pointerdown':
          WebTouch.endHold();
          if (event.target != Module['canvas']) return;
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
