#pragma once
// Shows a rich text document (as the RTF reader gives it) in Qt's text engine: one block per
// paragraph with its alignment, one fragment per run with its bold, italic, underline, strike,
// point size, colour and font family. A run without a colour keeps the widget's text colour, a
// run without a font name the widget's font. An empty paragraph takes the character format in
// force where it stands, so its line is as high as the text around it.
#include <QTextDocument>

#include "platform/rtf_reader.h"

// Replaces the content of `target` by the document.
void LoadRichDocument(const TRichDocument& document, QTextDocument& target);
