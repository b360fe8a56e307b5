#pragma once

#include <QByteArray>
#include <QtGlobal>

// Sets an environment variable for one scope, then puts back what was there.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray* value)
        : name(name), had(qEnvironmentVariableIsSet(name)), old(qgetenv(name))
    {
        if (value)
            qputenv(name, *value);
        else
            qunsetenv(name);
    }
    ~ScopedEnv()
    {
        if (had)
            qputenv(name, old);
        else
            qunsetenv(name);
    }

private:
    const char* name;
    bool had;
    QByteArray old;
};
