// The core's texts are byte strings; Qt's are QString.
#pragma once

#include <QString>
#include <string>

inline QString qt(const std::string& text) {
  return QString::fromStdString(text);
}
