#pragma once
// The table file: how a GridTable is written to and read from disk or a byte stream.
// Files are written as UTF-8 and replaced atomically; files from the Windows program
// (Windows-1252) are read as such when they are not valid UTF-8.

#include <QString>

#include "common/calvoraerror.h"

class GridTable;
class QIODevice;
class QByteArray;

// The bytes of a table file for this table (header, width lines, cell lines).
QByteArray TableFileBytes(const GridTable& table);

// Writes the table whole; the previous file stays intact if anything fails.
// Throws CalvoraError("Cannot Create " + path) when the file cannot be created,
// or an input/output error when writing fails part-way.
void WriteTableFile(const GridTable& table, const QString& path);

// Reads a table file into the table. Cells the file does not list keep their text.
// Throws CalvoraError("Cannot open file " + path) when the file cannot be opened or
// its header claims counts it cannot hold; the table is then unchanged.
void ReadTableFile(GridTable& table, const QString& path);

// The same bytes as a table file, at the stream's current position.
void WriteTableStream(const GridTable& table, QIODevice& stream);

// Reads from the stream's current position. A line that is neither a width line nor a
// cell line ends the reading, leaving the stream at the start of that line. A count,
// index or width that is not a whole number throws CalvoraError.
void ReadTableStream(GridTable& table, QIODevice& stream);

// Decodes 8-bit text: UTF-8 when valid, otherwise Windows-1252.
QString DecodeText(const QByteArray& bytes);
