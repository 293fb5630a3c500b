// Code and values line up in columns: every view that shows them uses the platform's fixed font.
#pragma once

#include <QFont>
#include <QFontDatabase>

inline QFont fixed_font() {
  return QFontDatabase::systemFont(QFontDatabase::FixedFont);
}
