#pragma once

#include <QCoroTask>
#include <QDebug>

#include <exception>
#include <utility>

// Work nobody awaits: a coroutine started from a click, a timer or a signal runs to its end on its
// own, and an exception it throws is logged rather than lost with the dropped task.

// Awaits task and swallows what it throws, with a warning; its value, if any, is dropped.
template <typename T> QCoro::Task<> runGuarded(QCoro::Task<T> task)
{
    try {
        co_await std::move(task);
    } catch (const std::exception &e) {
        qWarning() << "engine operation ended by an exception:" << e.what();
    } catch (...) {
        qWarning() << "engine operation ended by an unknown exception";
    }
}

// Starts task and lets it run to its end without anybody awaiting it.
template <typename T> void startDetached(QCoro::Task<T> task)
{
    // Dropping the guard's task is fine: the coroutine runs to its end on its own.
    [[maybe_unused]] auto guarded = runGuarded(std::move(task));
}
