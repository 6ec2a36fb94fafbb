#pragma once
// Tool-button images drawn at run time from a symbol of the program's font.

#include <QColor>
#include <QIcon>
#include <QString>

QIcon GlyphIcon(const QString& glyph, const QColor& color, int size = 24);
