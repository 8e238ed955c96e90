#include "progress/display_text.h"

#include <QStringDecoder>

namespace qfc {

QString ToDisplayText(std::string_view bytes) {
  const auto size = static_cast<qsizetype>(bytes.size());
  // Stateless: a sequence cut off at the end is an error, not a state kept
  // for a next call. A leading byte-order mark stays a character of the text.
  QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                  QStringConverter::Flag::ConvertInitialBom);
  QString text = utf8.decode(QByteArrayView(bytes.data(), size));
  if (!utf8.hasError()) return text;
  return QString::fromLatin1(bytes.data(), size);
}

}  // namespace qfc
