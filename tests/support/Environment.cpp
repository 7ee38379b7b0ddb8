#include "tests/support/Environment.h"

#include <QByteArray>
#include <QtGlobal>

namespace testsupport {

void setEnv(const char* name, const std::string& value) {
    qputenv(name, QByteArray::fromStdString(value));
}

void unsetEnv(const char* name) {
    qunsetenv(name);
}

ScopedEnv::ScopedEnv(const char* name) : name_(name) {
    had_ = qEnvironmentVariableIsSet(name);
    if (had_) previous_ = qgetenv(name).toStdString();
    unsetEnv(name);
}

ScopedEnv::ScopedEnv(const char* name, const std::string& value) : ScopedEnv(name) {
    setEnv(name, value);
}

ScopedEnv::~ScopedEnv() {
    if (had_)
        setEnv(name_, previous_);
    else
        unsetEnv(name_);
}

} // namespace testsupport
