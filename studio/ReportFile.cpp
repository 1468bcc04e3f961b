#include "studio/ReportFile.h"

#include <QSaveFile>
#include <stdexcept>

#include "check/ReportFormat.h"
#include "studio/HtmlReport.h"

void SaveReportFile(const check::CheckReport& report, const std::filesystem::path& path,
                    const QImage& picture) {
    const bool json = path.extension() == ".json";
    const QByteArray bytes =
        json ? QByteArray::fromStdString(check::ReportJson(report))
             : HtmlReport(report, picture, check::ReportLanguage::Chosen()).toUtf8();
    QSaveFile file(QString::fromStdString(path.string()));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        throw std::runtime_error(path.string() +
                                 ": cannot be written: " + file.errorString().toStdString());
    }
}
