#include "platform/events.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include "platform/platform_state.h"

// Objects that Qt deletes later (closed popups and the like) go when the
// program asks for events, since there is no outer Qt event loop to do it.
static void ProcessPending(QEventLoop::ProcessEventsFlags flags)
{
    QCoreApplication::processEvents(flags);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

static Event TakeEvent()
{
    auto& events = Platform().events;
    Event event = events.front();
    events.pop_front();
    return event;
}

Event WaitWindowEvent()
{
    auto& events = Platform().events;
    if (events.empty())
        ProcessPending(QEventLoop::AllEvents);
    while (events.empty())
        ProcessPending(QEventLoop::WaitForMoreEvents);
    return TakeEvent();
}

bool PollWindowEvent(Event& event)
{
    if (Platform().events.empty())
        ProcessPending(QEventLoop::AllEvents);
    if (Platform().events.empty()) {
        event = Event();
        return false;
    }
    event = TakeEvent();
    return true;
}

void PostWindowEvent(const Event& event)
{
    Platform().events.push_back(event);
}

void ClearWindowEvents()
{
    Platform().events.clear();
}

void PauseMs(int milliseconds)
{
    if (milliseconds <= 0) {
        ProcessPending(QEventLoop::AllEvents);
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}
