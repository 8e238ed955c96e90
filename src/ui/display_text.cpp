#include "ui/display_text.h"

#include <QStringDecoder>
#include <QUtf8StringView>
#include <algorithm>

namespace qfc {

namespace {

// UTF-8 lead bytes: how many bytes the sequence takes.
[[nodiscard]] int SequenceLength(unsigned char lead) {
  if (lead < 0x80) {
    return 1;
  }
  if (lead >= 0xF0) {
    return 4;
  }
  if (lead >= 0xE0) {
    return 3;
  }
  return 2;
}

// Characters outside the basic plane take two UTF-16 units.
constexpr int kSurrogatePairSequence = 4;

[[nodiscard]] bool FitsLatin1(const QString& text) {
  return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 0xFF; });
}

}  // namespace

bool ShownAsUtf8(std::string_view bytes) {
  return QUtf8StringView(bytes.data(), static_cast<qsizetype>(bytes.size())).isValidUtf8();
}

QString ShownText(std::string_view bytes) {
  const auto size = static_cast<qsizetype>(bytes.size());
  if (!ShownAsUtf8(bytes)) return QString::fromLatin1(bytes.data(), size);
  // A leading byte-order mark stays a character, so that byte positions and
  // shown positions keep corresponding.
  QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                  QStringConverter::Flag::ConvertInitialBom);
  return utf8.decode(QByteArrayView(bytes.data(), size));
}

std::string BytesOfShownText(const QString& shown, std::string_view original) {
  const QByteArray bytes =
      (!ShownAsUtf8(original) && FitsLatin1(shown)) ? shown.toLatin1() : shown.toUtf8();
  return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

int ShownPosition(std::string_view bytes, int bytePosition) {
  const int end = std::clamp(bytePosition, 0, static_cast<int>(bytes.size()));
  if (!ShownAsUtf8(bytes)) {
    return end;
  }
  int units = 0;
  for (int i = 0; i < end;) {
    const int length =
        SequenceLength(static_cast<unsigned char>(bytes[static_cast<std::size_t>(i)]));
    units += length == kSurrogatePairSequence ? 2 : 1;
    i += length;
  }
  return units;
}

}  // namespace qfc
