#include "studio/StudioLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <array>

#include "app/CTeskCommonRulesApp.h"

namespace {

// The module's language folders with a translation of the studio, and their locale names.
struct FolderLocale {
    const wchar_t* folder;
    const char* locale;
};

constexpr std::array<FolderLocale, 5> kTranslatedFolders{{
    {L"french", "fr"},
    {L"japanese", "ja"},
    {L"korean", "ko"},
    {L"zh_CN", "zh_CN"},
    {L"zh_TW", "zh_TW"},
}};

// The translator lives as long as the application, which owns it.
bool Install(const QString& file, const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(file, folder)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

}  // namespace

QString SpeakTheModulesLanguage() {
    // The folder, not the language: a language without a folder of its own falls back to
    // English, and the dialogs with it.
    if (!g_pTheApp) {
        return {};
    }
    for (const FolderLocale& language : kTranslatedFolders) {
        if (g_pTheApp->m_strLangFolder == language.folder) {
            const QString locale = QString::fromLatin1(language.locale);
            const bool studio =
                Install(QStringLiteral("veritor-studio_") + locale,
                        QString::fromStdWString(g_pTheApp->m_strLangFolderPath.str()));
            Install(QStringLiteral("qtbase_") + locale,
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            return studio ? locale : QString();
        }
    }
    return {};
}
