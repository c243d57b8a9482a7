#pragma once

#include <QString>

#include <utility>
#include <variant>

namespace plakmund {

// What went wrong, in words fit to show the user.
struct Failure {
    QString message;
};

// The outcome of an operation that can fail: a value, or a Failure saying why.
template <typename T>
class Result {
public:
    Result(T value) : m_outcome(std::move(value)) {}
    Result(Failure failure) : m_outcome(std::move(failure)) {}

    bool ok() const { return std::holds_alternative<T>(m_outcome); }
    const T &value() const { return std::get<T>(m_outcome); }
    T &value() { return std::get<T>(m_outcome); }
    const QString &error() const { return std::get<Failure>(m_outcome).message; }

private:
    std::variant<T, Failure> m_outcome;
};

// For operations that yield nothing but success or a Failure.
using Status = Result<std::monostate>;

inline Status success()
{
    return std::monostate{};
}

} // namespace plakmund
