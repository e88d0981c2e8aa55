#pragma once
// Saving what the window shows: the results list as text and the picture
// as PNG, through the one path that replaces a file only once the new one
// is complete.

#include <QByteArray>
#include <QString>

#include <string>

class QImage;

namespace lineer::ui {

class ResultsModel;

// Writes every line of the list as UTF-8, each ending in a line feed, the
// bytes the command line prints. Returns an empty string on success, else
// the message that says why (the template "Dosya kaydedilemedi: ..." with
// the reason); a failed write leaves an earlier file untouched.
QString saveResults(const ResultsModel& results, const QString& path);

// Whether the file at `path` is a plain file that begins as a saved results
// list does: its first line is the loader's heading, in either language.
bool looksLikeSavedResults(const QString& path);

// Saves the image as PNG; the result as for saveResults.
QString savePicture(const QImage& image, const QString& path);

// Writes a file's bytes, empty when they could not be encoded; the result
// as for saveResults.
QString saveFile(const QByteArray& bytes, const QString& path);

// A path as the window's messages show it: with the system's separators,
// control characters as "?".
std::string shownFilePath(const QString& path);

}  // namespace lineer::ui
