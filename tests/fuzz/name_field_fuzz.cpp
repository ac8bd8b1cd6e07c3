// The name-field reader and the file-name text on any bytes a name may hold.
// Properties: text made from a name turns back into exactly its bytes, and the
// fields of a name read the same from that text as from its UTF-8 reading when the
// name is valid UTF-8.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <string_view>

#include "catalog/file_name_text.h"
#include "catalog/name_field.h"
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace motrevix::catalog;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const QString text = FileNameText(bytes);
  const QByteArray back = FileNameBytes(text);
  MOTREVIX_FUZZ_CHECK(std::string_view(back.constData(), static_cast<std::size_t>(back.size())) ==
                      bytes);

  const QString utf8 = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
  const bool valid =
      utf8.toUtf8() == QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
  if (valid) MOTREVIX_FUZZ_CHECK(text == utf8);
  for (int field = 0; field <= kMinuteField + 1; ++field) {
    const int value = NameField(text, field);
    if (valid) MOTREVIX_FUZZ_CHECK(NameField(utf8, field) == value);
  }
  HasExtension(text, kAviExtension);
  HasExtension(text, kMp4Extension);
  return 0;
}
