#pragma once

#include <QString>

#include <utility>
#include <variant>

namespace plakmund {

// What went wrong, in words fit to show the user, and the line of the file it
// concerns where there is one.
struct Failure {
    QString reason;
    int line = 0;
};

// The outcome of an operation that can fail: a value, or a failure saying why
// (a Failure, or where the operation touches several files a FileFailure).
template <typename T, typename F = Failure>
class Result {
public:
    Result(T value) : m_outcome(std::move(value)) {}
    Result(F failure) : m_outcome(std::move(failure)) {}

    bool ok() const { return std::holds_alternative<T>(m_outcome); }
    const T &value() const { return std::get<T>(m_outcome); }
    const F &failure() const { return std::get<F>(m_outcome); }
    const QString &error() const { return failure().reason; }

private:
    std::variant<T, F> m_outcome;
};

} // namespace plakmund
