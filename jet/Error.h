#pragma once

#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace jet {

enum class ErrorKind {
    FileNotFound, // the file does not exist or cannot be opened
    NotJetFile,   // the file is not an Access/Jet database
    Corrupt,      // a page or row contradicts the format
    NoSuchTable,
    NoSuchField,
    BadQuery,    // SQL or criteria text we cannot parse
    ReadOnly,    // a write to a file, table or record set that cannot be written
    Unsupported, // a feature of the file the engine cannot write safely (Jet 3, indexes, ...)
    Io,          // the operating system refused a read, write, lock or sync
    NoCurrentRecord,
};

// Every failure names what went wrong and where (file, table, page), so the caller can show it as is.
struct Error
{
    ErrorKind kind = ErrorKind::Io;
    std::string message;
};

// Thrown inside the library only; the public calls turn it into a returned Error.
struct Failure
{
    Error error;
};

[[noreturn]] inline void fail(ErrorKind kind, std::string message)
{
    throw Failure{Error{kind, std::move(message)}};
}

template <typename T> class Result
{
public:
    Result(T value) : m_value(std::move(value)) {}
    Result(Error error) : m_value(std::move(error)) {}

    bool ok() const { return m_value.index() == 0; }
    explicit operator bool() const { return ok(); }
    T &value() { return std::get<0>(m_value); }
    const T &value() const { return std::get<0>(m_value); }
    T &operator*() { return value(); }
    T *operator->() { return &value(); }
    const T &operator*() const { return value(); }
    const T *operator->() const { return &value(); }
    const Error &error() const { return std::get<1>(m_value); }

private:
    std::variant<T, Error> m_value;
};

class Status
{
public:
    Status() = default;
    Status(Error error) : m_error(std::move(error)) {}
    bool ok() const { return !m_error.has_value(); }
    explicit operator bool() const { return ok(); }
    const Error &error() const { return *m_error; }

private:
    std::optional<Error> m_error;
};

// Runs body and turns a Failure into a returned Error.
template <typename F> auto guarded(F &&body) -> decltype(body())
{
    try {
        return body();
    } catch (const Failure &f) {
        return f.error;
    }
}

} // namespace jet
