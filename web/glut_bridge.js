// Runs inside the Emscripten module (--post-js), where GLUT, Browser, FS and
// the exports are in scope, before main() registers anything. It puts the page
// (web/curvix_page.js, Module.curvixPage) between the browser's input events
// and the program's GLUT callbacks, and gives the page the few entry points it
// needs: the menu, the reshape, the trace file and the status. It also fills a
// gap of the GL emulation.
(function() {
var page = Module['curvixPage'];

// The program ends through exit(), which unwinds the JS stack with an
// ExitStatus; the page shows the status instead of an uncaught exception.
function callProgram(call) {
  try {
    call();
  } catch (e) {
    if (e instanceof ExitStatus) {
      page.exited(e.status);
      return;
    }
    throw e;
  }
}

function gated(handler) {
  return function(event) {
    if (!page.admits(event)) return;
    var started = performance.now();
    var delivered = false;
    callProgram(function() { delivered = handler(event) === true; });
    page.handled(event, started, performance.now(), delivered);
  };
}

// Emscripten's GLUT passes the position before the move to the motion
// callbacks; a window system passes the position the pointer moved to.
// True when a callback was called.
function onMousemove(event) {
  var lastX = Browser.mouseX;
  var lastY = Browser.mouseY;
  Browser.calculateMouseEvent(event);
  var x = Browser.mouseX;
  var y = Browser.mouseY;
  if (x == lastX && y == lastY) return false;
  if (GLUT.buttons == 0 && event.target == Module['canvas'] && GLUT.passiveMotionFunc) {
    event.preventDefault();
    getWasmTableEntry(GLUT.passiveMotionFunc)(x, y);
    return true;
  } else if (GLUT.buttons != 0 && GLUT.motionFunc) {
    event.preventDefault();
    getWasmTableEntry(GLUT.motionFunc)(x, y);
    return true;
  }
  return false;
}

// GLUT's own touch handler turns every touch on the canvas into a mouse event
// at once, so a long press would add a point before it opens the menu; the
// page's touch input (web/touch_input.js) decides what a touch is instead.
GLUT.touchHandler = function() {};

GLUT.onKeydown = gated(GLUT.onKeydown);
GLUT.onKeyup = gated(GLUT.onKeyup);
GLUT.onMouseButtonDown = gated(GLUT.onMouseButtonDown);
GLUT.onMouseButtonUp = gated(GLUT.onMouseButtonUp);
GLUT.onMouseWheel = gated(GLUT.onMouseWheel);
GLUT.onMousemove = gated(onMousemove);

// Every redisplay runs through runIter; its end is what the drag timing measures.
var runIter = Browser.mainLoop.runIter;
Browser.mainLoop.runIter = function(func) {
  var started = performance.now();
  callProgram(function() { runIter.call(Browser.mainLoop, func); });
  page.displayed(started, performance.now());
};

// The legacy-GL emulation has no GL_POLYGON. The program's polygons (the
// filled point markers) are convex squares, which a triangle fan fills alike.
var GL_TRIANGLE_FAN = 6;
var GL_POLYGON = 9;
var flush = GLImmediate.flush;
GLImmediate.flush = function(numProvidedIndexes, startIndex, ptr) {
  recordPrimitive();
  if (GLImmediate.mode === GL_POLYGON) GLImmediate.mode = GL_TRIANGLE_FAN;
  return flush.call(GLImmediate, numProvidedIndexes, startIndex, ptr);
};

// What the canvas shows, as the program sent it to GL: each glBegin/glEnd
// primitive since the last glClear, with its mode, colour and vertices (the
// floats GL keeps, in window coordinates with y up). The page's SVG export
// and curvature comb (web/picture_export.js) draw from it. Every redisplay
// and drag passes here, so a primitive is kept as one copy of its vertex
// data, read into points only when the page asks; `frameVersion` changes
// with every clear and every primitive, so the page redraws only what changed.
var frame = [];
var frameVersion = 0;
function recordPrimitive() {
  var stride = GLImmediate.stride >> 2;
  var count = stride > 0 ? GLImmediate.vertexCounter / stride : 0;
  var position = GLImmediate.clientAttributes[GLImmediate.VERTEX];
  if (!count || !position) return;
  frame.push({
    mode: GLImmediate.mode,
    colour: GLImmediate.clientColor.slice(0, 4),
    data: GLImmediate.vertexData.slice(0, count * stride),
    stride: stride,
    start: position.offset >> 2,
    count: count
  });
  ++frameVersion;
}
Module['curvixFrame'] = function() {
  return frame.map(function(primitive) {
    var vertices = [];
    for (var i = 0; i < primitive.count; ++i) {
      var base = i * primitive.stride + primitive.start;
      vertices.push([primitive.data[base], primitive.data[base + 1]]);
    }
    return {mode: primitive.mode, colour: Array.from(primitive.colour), vertices: vertices};
  });
};
Module['curvixFrameVersion'] = function() {
  return frameVersion;
};
Module['curvixRedisplay'] = function() {
  _glutPostRedisplay();
};
Module['curvixClearColour'] = function() {
  return Array.from(GLctx.getParameter(GLctx.COLOR_CLEAR_VALUE));
};
// A glClear starts a new picture.
Module['postRun'] = (Module['postRun'] || []).concat([function() {
  var clear = GLctx.clear.bind(GLctx);
  GLctx.clear = function(mask) {
    frame = [];
    ++frameVersion;
    clear(mask);
  };
}]);

Module['curvixMenu'] = function() {
  var entries = [];
  for (var i = 0; i < _curvix_web_menu_size(); ++i)
    entries.push(
        {label: UTF8ToString(_curvix_web_menu_label(i)), value: _curvix_web_menu_value(i)});
  return {button: _curvix_web_menu_button(), entries: entries};
};
Module['curvixSelectMenu'] = function(value) {
  var started = performance.now();
  callProgram(function() { _curvix_web_menu_select(value); });
  page.handled(null, started, performance.now());
};
// The program's own input, for a construction opened from a file or a link
// (web/construction.js): the left button and the motion callbacks as a mouse
// calls them, and a key as the keyboard callback gets it. Each runs at once;
// the program's redisplay requests gather into the next frame, as a burst of
// events' do.
var GLUT_LEFT_BUTTON = 0;
Module['curvixMouse'] = function(state, x, y) {
  callProgram(function() {
    if (GLUT.mouseFunc) getWasmTableEntry(GLUT.mouseFunc)(GLUT_LEFT_BUTTON, state, x, y);
  });
};
Module['curvixMotion'] = function(x, y) {
  callProgram(function() {
    if (GLUT.motionFunc) getWasmTableEntry(GLUT.motionFunc)(x, y);
  });
};
Module['curvixKey'] = function(character) {
  callProgram(function() {
    if (GLUT.keyboardFunc) getWasmTableEntry(GLUT.keyboardFunc)(character.charCodeAt(0), 0, 0);
  });
};
Module['curvixReshape'] = function(width, height) {
  callProgram(function() { _glutReshapeWindow(width, height); });
  page.handled(null, 0, 0);
};
Module['curvixStatusText'] = function() {
  return UTF8ToString(_curvix_web_status());
};
Module['curvixPointsText'] = function() {
  return UTF8ToString(_curvix_web_points());
};
Module['curvixStatus'] = function() {
  return JSON.parse(Module['curvixStatusText']());
};
Module['curvixPoints'] = function() {
  return JSON.parse(Module['curvixPointsText']());
};
Module['curvixReadFile'] = function(path) {
  try {
    return FS.readFile(path);
  } catch (e) {
    return null;
  }
};
})();
