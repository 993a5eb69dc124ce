#pragma once
// Counts what the controls tell the accessibility bus, through Qt's update
// handler. Events only flow while accessibility is active, which takes a real
// accessibility bus (the *_a11y tests run under one); elsewhere the tests skip.
#include <QAccessible>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QObject>
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

class AccessibilityEventLog {
public:
    AccessibilityEventLog() { previous_ = QAccessible::installUpdateHandler(&Record); }
    ~AccessibilityEventLog()
    {
        QAccessible::installUpdateHandler(previous_);
        Events().clear();
    }

    // True once the bridge to the bus is up; a run that was given a bus fails without it.
    static bool WaitUntilActive()
    {
        const QDeadlineTimer deadline(10000);
        while (!QAccessible::isActive() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        if (!QAccessible::isActive() && std::getenv("VOLARIN_A11Y_BUS"))
            ADD_FAILURE() << "accessibility did not become active on the bus";
        return QAccessible::isActive();
    }

    int Count(const QObject* object, QAccessible::Event type) const
    {
        int n = 0;
        for (const Entry& e : Events())
            n += e.object == object && e.type == type ? 1 : 0;
        return n;
    }
    int Count(const QObject* object) const
    {
        int n = 0;
        for (const Entry& e : Events())
            n += e.object == object ? 1 : 0;
        return n;
    }
    void Clear() { Events().clear(); }

private:
    struct Entry {
        const QObject* object;
        QAccessible::Event type;
    };
    static std::vector<Entry>& Events()
    {
        static std::vector<Entry> events;
        return events;
    }
    static void Record(QAccessibleEvent* event) { Events().push_back({event->object(), event->type()}); }

    QAccessible::UpdateHandler previous_ = nullptr;
};
