#pragma once
// Qt's own Polish translation (the standard file, print and colour dialogs,
// the standard buttons), loaded once at start.

// Installs the translation into the running application; false when the
// system has no Polish translation of Qt (the dialogs then stay English).
bool ZaladujTlumaczenieQt();
