#pragma once

#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

namespace pelmar::report {

// A PDF file's words with their boxes in points from the page's top-left corner, as
// pdftotext -bbox reads them.
struct PdfWord {
    QString text;
    QRectF box;
};

struct PdfPage {
    QSizeF size;
    QList<PdfWord> words;

    // The first word with this text, or nullptr.
    const PdfWord* find(const QString& text) const;
    // Every word of the page in reading order, joined by blanks.
    QString text() const;
    // The row numbers printed on the page ("001" ...), top to bottom.
    QStringList rowNumbers() const;
};

// The pages of a PDF file; an empty list (and a failed test) when pdftotext cannot read it.
QList<PdfPage> readPdf(const QString& path);

}  // namespace pelmar::report
