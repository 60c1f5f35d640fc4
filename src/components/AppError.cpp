#include "AppError.h"

AppError::AppError(QString description, int number)
    : Description(std::move(description)), Number(number),
      What((Description + QStringLiteral(", ") + QString::number(Number)).toUtf8()) {}
