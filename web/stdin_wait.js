// Standard input of the web build. The desktop program blocks on its console
// while it reads typed values (read_knot_values on stdin); a page must not
// block, so a read of file descriptor 0 suspends the program (Asyncify) until
// the page has a typed line, then reads it as the desktop's read() would. The
// program's reading code stays as it is. The page provides
// Module.curvixWaitForInput(resume): it calls resume() once bytes are queued
// for Module.stdin, at once when some already are.
mergeInto(LibraryManager.library, {
  fd_read__deps: ['$SYSCALLS', '$Asyncify'],
  fd_read__sig: 'iiiii',
  fd_read: function(fd, iov, iovcnt, pnum) {
    function readNow() {
      try {
        var stream = SYSCALLS.getStreamFromFD(fd);
        var num = SYSCALLS.doReadv(stream, iov, iovcnt);
        // clang-format off
        {{{ makeSetValue('pnum', 0, 'num', 'i32') }}};
        // clang-format on
        return 0;
      } catch (e) {
        if (typeof FS == 'undefined' || !(e instanceof FS.ErrnoError)) throw e;
        return e.errno;
      }
    }
    if (fd !== 0 || !Module['curvixWaitForInput']) return readNow();
    // On the rewind after the wait, handleSleep returns the value passed to
    // wakeUp without calling its argument again.
    function readWhenTyped(wakeUp) {
      Module['curvixWaitForInput'](function() { wakeUp(readNow()); });
    }
    return Asyncify.handleSleep(readWhenTyped);
  },
});
