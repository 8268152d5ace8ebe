#pragma once

#include <QString>

namespace vitrano {

// Left-over temporary files of the program folder ("*.~tmp"), deleted on exit.
void DeleteTemporaryFiles(const QString& programFolder);

// What closing the main window removes: the temporary files and "deutsch.txt".
void DeleteFilesOnClose(const QString& programFolder);

// The temporary facade picture "tmpfassade.bmp", removed when the main window goes.
void DeleteTemporaryFacadePicture(const QString& programFolder);

} // namespace vitrano
