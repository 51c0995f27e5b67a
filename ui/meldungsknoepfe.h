#pragma once

class QMessageBox;

// German captions with the mnemonics J and N for the box's standard buttons,
// also where Qt's German translation is not installed.
void deutscheKnoepfe(QMessageBox& box);
