#pragma once

#include <QFont>
#include <QString>

namespace vantrel {

// The windows' font: "ＭＳ Ｐゴシック" at 12 pixels where it is installed, else
// the first Japanese Gothic font that is.
inline QFont GothicFont() {
  QFont font;
  font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"),
                    QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Sans Serif")});
  font.setPixelSize(12);
  return font;
}

}  // namespace vantrel
