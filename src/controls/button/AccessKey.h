#pragma once
// The access key a caption marks with "&" ("&&" stands for a literal ampersand).
#include <QChar>
#include <QString>

namespace button {

// The lower-case access key of the caption, or a null QChar when it has none.
QChar AccessKeyOf(const QString& caption);

} // namespace button
