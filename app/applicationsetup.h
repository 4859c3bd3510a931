#pragma once
/// What the program sets up before its first window: its name, Qt's own Japanese texts for the
/// standard buttons and dialogs, and Japanese fonts that Debian ships in place of the fonts the
/// designs and reports name.

class QApplication;

void SetUpApplication(QApplication& app);
