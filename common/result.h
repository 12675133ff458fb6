#pragma once

#include <QString>

#include <optional>
#include <utility>

// The outcome of reading or writing a format: a value, or a Czech message
// that says what is wrong. Callers must look at it.
template <typename T>
class Result
{
public:
    static Result success(T value)
    {
        Result r;
        r.m_value = std::move(value);
        return r;
    }
    static Result failure(QString message)
    {
        Result r;
        r.m_error = std::move(message);
        return r;
    }

    bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }
    const T &value() const { return *m_value; }
    T &value() { return *m_value; }
    const T &operator*() const { return *m_value; }
    const T *operator->() const { return &*m_value; }
    const QString &error() const { return m_error; }

private:
    std::optional<T> m_value;
    QString m_error;
};
