// The dimension boxes of the sub-model editor and "Refresh  Page": counts, zone sizes and lengths
// that follow each other as the boxes are edited.

#include "submodel/frm2.h"

#include <algorithm>

#include "app/AppState.h"
#include "text/NumberFormat.h"
#include "text/NumberText.h"
#include "text/PrintForm.h"

namespace vardex {
namespace {

using namespace submodelFormats;

// A count as a 16-bit integer, rounded, halves to even.
std::int16_t toCount(double value) {
    return static_cast<std::int16_t>(std::clamp(roundHalfEven(value), -32768.0, 32767.0));
}

} // namespace

void frm2::setBox(SubmodelBox box, const std::string& text) {
    window_.boxes[static_cast<std::size_t>(box)] = text;
}

double frm2::boxValue(SubmodelBox box) const {
    return typedNumber(window_.box(box));
}

std::int16_t frm2::askCount(const std::string& prompt, std::int16_t value) {
    std::string answer = app_.dialogs.input(prompt, window_.messageTitle, "");
    return isTypedNumber(answer) ? toCount(typedNumber(answer)) : value;
}

void frm2::boxEdited(SubmodelBox box, const std::string& text) {
    setBox(box, text);
    fieldChanged_ = true;
}

void frm2::boxLeft(SubmodelBox box) {
    if (!fieldChanged_) return;
    fieldChanged_ = false;
    applyBox(box);
    changed();
}

void frm2::applyBox(SubmodelBox box) {
    switch (box) {
    case SubmodelBox::DX:
    case SubmodelBox::DY: {
        const bool x = box == SubmodelBox::DX;
        float& size = x ? dx_ : dy_;
        std::int16_t& count = x ? nx_ : ny_;
        size = static_cast<float>(boxValue(box));
        // The count typed into NX or NY counts, as it does for LX and LY.
        count = toCount(boxValue(x ? SubmodelBox::NX : SubmodelBox::NY));
        if (count < 1)
            count = askCount(x ? "Enter a  positive definite count of Zones in X "
                               : "Enter a  positive definite count of Zones in Y ",
                             count);
        float& length = x ? xLength_ : yLength_;
        length = static_cast<float>(count) * size;
        setBox(x ? SubmodelBox::NX : SubmodelBox::NY, plainDigits(static_cast<int>(count)));
        setBox(x ? SubmodelBox::LX : SubmodelBox::LY, formatNumber(length, kLengthFormat));
        setBox(box, formatNumber(size, kSizeFormat));
        break;
    }
    case SubmodelBox::LX:
    case SubmodelBox::LY: {
        const bool x = box == SubmodelBox::LX;
        std::int16_t& count = x ? nx_ : ny_;
        count = toCount(boxValue(x ? SubmodelBox::NX : SubmodelBox::NY));
        if (count < 1)
            count = askCount(x ? "Enter a  positive definite COUNT of X-zones "
                               : "Enter a  positive definite COUNT of Y-zones ",
                             count);
        float& length = x ? xLength_ : yLength_;
        length = static_cast<float>(boxValue(box));
        if (length <= 0) {
            std::string answer =
                app_.dialogs.input(x ? "Enter a positive definite X-length of the sub-model "
                                     : "Enter a positive definite Y-length of the sub-model ",
                                   window_.messageTitle, "");
            if (isTypedNumber(answer)) length = static_cast<float>(typedNumber(answer));
        }
        float& size = x ? dx_ : dy_;
        if (count >= 1) size = length / static_cast<float>(count);
        setBox(x ? SubmodelBox::NX : SubmodelBox::NY, plainDigits(static_cast<int>(count)));
        setBox(box, formatNumber(length, kLengthFormat));
        setBox(x ? SubmodelBox::DX : SubmodelBox::DY, formatNumber(size, kSizeFormat));
        modified_ = true;
        break;
    }
    case SubmodelBox::Layers: {
        std::int16_t n = toCount(boxValue(box));
        if (n < 2) {
            n = askCount("Enter a  positive definite count of layers ", n);
            setBox(box, plainDigits(static_cast<int>(n)));
            if (n < 2) {
                setBox(box, plainDigits(static_cast<int>(nz_)));
                return;
            }
        }
        nz_ = std::min<std::int16_t>(n, kMaxLayers);
        dz_ = zLength_ / static_cast<float>(nz_);
        setBox(box, plainDigits(static_cast<int>(nz_)));
        setBox(SubmodelBox::DZ, plainDigits(dz_));
        setBox(SubmodelBox::ZLength, formatNumber(zLength_, kLengthFormat));
        setUpPicture();
        drawPicture();
        modified_ = true;
        break;
    }
    case SubmodelBox::DZ: {
        dz_ = static_cast<float>(boxValue(box));
        std::int16_t n = toCount(boxValue(SubmodelBox::Layers));
        if (n != nz_) {
            app_.dialogs.inform("ERROR: nz not matching edit contents", window_.messageTitle);
            setBox(SubmodelBox::Layers, plainDigits(static_cast<int>(nz_)));
            return;
        }
        if (n < 1) n = askCount("Enter a  positive definite count of Zones in Z ", n);
        if (n < 1 || n > kMaxLayers) return;
        nz_ = n;
        zLength_ = dz_ * static_cast<float>(nz_);
        setBox(SubmodelBox::Layers, plainDigits(static_cast<int>(nz_)));
        setBox(SubmodelBox::ZLength, formatNumber(zLength_, kLengthFormat));
        setBox(box, formatNumber(dz_, kSizeFormat));
        modified_ = true;
        break;
    }
    case SubmodelBox::ZLength: {
        zLength_ = static_cast<float>(boxValue(box));
        if (zLength_ <= 0) {
            std::string answer = app_.dialogs.input(
                "Enter a positive definite Height of the sub-model ", window_.messageTitle, "");
            if (isTypedNumber(answer)) zLength_ = static_cast<float>(typedNumber(answer));
        }
        setBox(box, formatNumber(zLength_, kLengthFormat));
        std::int16_t n = toCount(boxValue(SubmodelBox::Layers));
        if (n < 1) n = askCount("Enter a  positive definite COUNT of layers ", n);
        if (n >= 1 && n <= kMaxLayers) {
            nz_ = n;
            dz_ = zLength_ / static_cast<float>(nz_);
            setBox(SubmodelBox::DZ, formatNumber(dz_, kSizeFormat));
        }
        modified_ = true;
        break;
    }
    case SubmodelBox::NX:
    case SubmodelBox::NY:
        break; // read by the handlers above
    }
}

void frm2::refreshPage() {
    if (boxValue(SubmodelBox::ZLength) == 0) {
        std::string answer =
            app_.dialogs.input("Enter a value for vertical model length", window_.messageTitle, "");
        zLength_ = static_cast<float>(roundHalfEven(typedNumber(answer)));
        setBox(SubmodelBox::ZLength, formatNumber(zLength_, kLengthFormat));
        if (nz_ > 0) dz_ = zLength_ / static_cast<float>(nz_);
        setBox(SubmodelBox::DZ, plainDigits(dz_));
    }
    for (bool x : {true, false}) {
        const SubmodelBox box = x ? SubmodelBox::LX : SubmodelBox::LY;
        if (boxValue(box) != 0) continue;
        std::string answer = app_.dialogs.input(x ? "Enter a value for X- model length"
                                                  : "Enter a value for Y- model length",
                                                window_.messageTitle, "");
        if (!isTypedNumber(answer)) {
            changed();
            return;
        }
        (x ? xLength_ : yLength_) = static_cast<float>(typedNumber(answer));
        setBox(box, formatNumber(typedNumber(answer), kLengthFormat));
    }
    drawPicture();
    refreshWindow();
    const int used = static_cast<int>(window_.sectionChooser.items.size());
    for (int k = kPaletteSlots; k > used; --k) {
        resetSlot(k);
        if (k <= app_.paletteList.count()) app_.paletteList.remove(k);
    }
    changed();
}

} // namespace vardex
