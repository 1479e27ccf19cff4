#pragma once

class QThreadPool;

// A worker thread for reading ahead what the user will see soon (icons, symbols): it runs at idle
// priority, so it uses a core only while nothing else wants it and never slows the main thread.
namespace IdleWork {

// Main thread only.
QThreadPool *pool();

} // namespace IdleWork
