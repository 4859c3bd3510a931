#include "app/applicationsetup.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

void SetUpApplication(QApplication& app) {
  // The icons are compiled into the static library; this keeps them linked in.
  Q_INIT_RESOURCE(icons);
  QApplication::setApplicationName(QStringLiteral("Vestaro"));
  QApplication::setOrganizationName(QStringLiteral("Vestaro"));
  QGuiApplication::setDesktopFileName(QStringLiteral("vestaro"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/vestaro.svg")));

  // The interface is Japanese whatever the desktop's language: "はい", "いいえ", "キャンセル".
  auto* qtTexts = new QTranslator(&app);
  if (qtTexts->load(QStringLiteral("qtbase_ja"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(qtTexts);
  }

  // The Windows font names of the designs map to the IPA fonts.
  QFont::insertSubstitution(QStringLiteral("ＭＳ 明朝"), QStringLiteral("IPAMincho"));
  QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐ明朝"), QStringLiteral("IPAPMincho"));
  QFont::insertSubstitution(QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"));
  QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
  QFont font(QStringList{QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")});
  font.setPixelSize(13);
  QApplication::setFont(font);
}
