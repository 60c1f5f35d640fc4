#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

// Error numbers, so that a message reads the same wherever it is shown.
namespace ErrNo {
constexpr int InvalidArgument = 5;
constexpr int SubscriptOutOfRange = 9;
constexpr int DivisionByZero = 11;
constexpr int TypeMismatch = 13;
constexpr int FileNotFound = 53;
constexpr int DiskFull = 61;
constexpr int PermissionDenied = 70; // also: the file is locked by another program
constexpr int PathFileAccess = 75;
constexpr int BadFileFormat = 321;
constexpr int DialogCancelled = 32755;
constexpr int InvalidFileName = 20477;
} // namespace ErrNo

// The one error type of the system: a text for the user and a number.
// Thrown by components, caught where the user's command began.
class AppError : public std::exception {
public:
    AppError(QString description, int number);

    const char* what() const noexcept override { return What.constData(); }

    QString Description;
    int Number;

private:
    QByteArray What;
};
