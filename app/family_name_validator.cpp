#include "app/family_name_validator.h"

#include "app/qt_text.h"
#include "base/gbk.h"

QValidator::State FamilyNameValidator::validate(QString& input, int& /*position*/) const {
    // A character GBK cannot encode could never be looked up or stored, so it is refused too.
    const auto bytes = morvenda::gbk::ByteLength(FromQString(input));
    return bytes && *bytes <= MaxGbkBytes ? Acceptable : Invalid;
}
