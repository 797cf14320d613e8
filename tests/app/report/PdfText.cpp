#include "tests/app/report/PdfText.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace pelmar::report {

const PdfWord* PdfPage::find(const QString& text) const {
    for (const PdfWord& word : words) {
        if (word.text == text) return &word;
    }
    return nullptr;
}

QString PdfPage::text() const {
    QStringList all;
    for (const PdfWord& word : words) all.append(word.text);
    return all.join(u' ');
}

QStringList PdfPage::rowNumbers() const {
    static const QRegularExpression number(QStringLiteral("^\\d{3}$"));
    QList<PdfWord> found;
    for (const PdfWord& word : words) {
        if (number.match(word.text).hasMatch()) found.append(word);
    }
    std::sort(found.begin(), found.end(),
              [](const PdfWord& a, const PdfWord& b) { return a.box.top() < b.box.top(); });
    QStringList texts;
    for (const PdfWord& word : found) texts.append(word.text);
    return texts;
}

QList<PdfPage> readPdf(const QString& path) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-bbox"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), path,
                     QStringLiteral("-")});
    if (!pdftotext.waitForFinished(60000) || pdftotext.exitStatus() != QProcess::NormalExit ||
        pdftotext.exitCode() != 0) {
        ADD_FAILURE() << "pdftotext (poppler-utils, installed by ./dev deps) cannot read "
                      << path.toStdString() << ": " << pdftotext.errorString().toStdString()
                      << pdftotext.readAllStandardError().toStdString();
        return {};
    }
    QList<PdfPage> pages;
    QXmlStreamReader xml(pdftotext.readAllStandardOutput());
    const auto number = [&](const char* name) {
        return xml.attributes().value(QLatin1String(name)).toDouble();
    };
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("page")) {
            pages.append({QSizeF(number("width"), number("height")), {}});
        } else if (xml.name() == QLatin1String("word") && !pages.isEmpty()) {
            const QRectF box(QPointF(number("xMin"), number("yMin")),
                             QPointF(number("xMax"), number("yMax")));
            pages.last().words.append({xml.readElementText(), box});
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return pages;
}

}  // namespace pelmar::report
