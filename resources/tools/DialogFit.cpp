#include "resources/tools/DialogFit.h"

#include <algorithm>
#include <map>
#include <memory>
#include <optional>

#include <fmt/format.h>

#include "platform/ResourceTable.h"
#include "platform/window/WindowStyles.h"
#include "resources/tools/TextMeasure.h"

namespace resgen {
namespace {

// Dialog units to pixels, as the window system maps them: a horizontal unit is a quarter of the
// 6-pixel average character, a vertical one an eighth of the 13-pixel character height.
constexpr double kPixelsPerUnitX = 6.0 / 4.0;
constexpr double kPixelsPerUnitY = 13.0 / 8.0;
constexpr int kMargin = 7;
// What a control draws beside its text: a check box its box and gap, a push button its frame.
constexpr int kCheckBoxPixels = 16;
constexpr int kPushButtonPixels = 8;
// A combo box shows one line; the rest of its height is the dropped list.
constexpr int kComboBoxVisibleHeight = 14;

struct Box {
    int left, top, right, bottom;
    bool Overlaps(const Box& other) const {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
};

Box VisibleBox(const DialogItemDefinition& item) {
    const int height =
        item.kind == kTeskDialogItemComboBox ? std::min(item.cy, kComboBoxVisibleHeight) : item.cy;
    return {item.x, item.y, item.x + item.cx, item.y + height};
}

// The pixels a control needs beside its text; nothing for controls without a label.
std::optional<int> LabelPadding(const DialogItemDefinition& item) {
    if (item.kind == kTeskDialogItemStatic) {
        return 0;
    }
    if (item.kind != kTeskDialogItemButton) {
        return std::nullopt;
    }
    switch (item.style & BS_TYPEMASK) {
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
            return kCheckBoxPixels;
        case BS_GROUPBOX:
            return std::nullopt;
        default:
            return kPushButtonPixels;
    }
}

class LayoutChecker {
public:
    std::vector<LayoutProblem> Check(const DialogTable& dialogs) {
        for (const auto& [id, dialog] : dialogs) {
            CheckDialog(dialog);
        }
        return std::move(m_problems);
    }

private:
    void CheckDialog(const DialogDefinition& dialog) {
        const TextMeasure& measure = FontOf(dialog);
        for (std::size_t i = 0; i < dialog.items.size(); ++i) {
            const DialogItemDefinition& item = dialog.items[i];
            CheckLabel(dialog, item, measure);
            CheckMargin(dialog, item);
            for (std::size_t j = 0; j < i; ++j) {
                if (VisibleBox(item).Overlaps(VisibleBox(dialog.items[j]))) {
                    Report(dialog, item,
                           fmt::format("overlaps the control on line {}", dialog.items[j].line));
                }
            }
        }
    }

    void CheckLabel(const DialogDefinition& dialog, const DialogItemDefinition& item,
                    const TextMeasure& measure) {
        const std::optional<int> padding = LabelPadding(item);
        if (!padding || item.caption.empty()) {
            return;
        }
        char32_t missing = 0;
        const std::optional<int> width = measure.Width(item.caption, missing);
        if (!width) {
            Report(dialog, item,
                   fmt::format("the font {} has no character U+{:04X}", measure.FontFile(),
                               static_cast<std::uint32_t>(missing)));
            return;
        }
        const int needed = *width + *padding;
        const int available = static_cast<int>(item.cx * kPixelsPerUnitX);
        if (needed > available) {
            const int units = static_cast<int>((needed - available) / kPixelsPerUnitX) + 1;
            Report(dialog, item,
                   fmt::format("\"{}\" needs {} pixels, its box has {}: widen it by {} units",
                               item.caption, needed, available, units));
        }
        const int lineHeight = static_cast<int>(item.cy * kPixelsPerUnitY);
        if (item.kind == kTeskDialogItemStatic && lineHeight < 12) {
            Report(dialog, item, "is too low for a line of text: give it 8 units");
        }
    }

    void CheckMargin(const DialogDefinition& dialog, const DialogItemDefinition& item) {
        const Box box = VisibleBox(item);
        if (box.right > dialog.cx - kMargin || box.bottom > dialog.cy - kMargin) {
            Report(dialog, item,
                   fmt::format("reaches into the dialog's margin: keep {} units free at the "
                               "right and bottom (the dialog is {} by {})",
                               kMargin, dialog.cx, dialog.cy));
        }
    }

    const TextMeasure& FontOf(const DialogDefinition& dialog) {
        const std::string family = dialog.fontName.empty() ? "Sans" : dialog.fontName;
        const unsigned points = dialog.fontPoints ? dialog.fontPoints : 8;
        std::unique_ptr<TextMeasure>& measure = m_fonts[{family, points}];
        if (!measure) {
            measure = std::make_unique<TextMeasure>(family, points);
        }
        return *measure;
    }

    void Report(const DialogDefinition& dialog, const DialogItemDefinition& item,
                std::string problem) {
        m_problems.push_back({item.line, dialog.id, item.id, std::move(problem)});
    }

    std::map<std::pair<std::string, unsigned>, std::unique_ptr<TextMeasure>> m_fonts;
    std::vector<LayoutProblem> m_problems;
};

}  // namespace

std::vector<LayoutProblem> CheckDialogLayout(const DialogTable& dialogs) {
    return LayoutChecker().Check(dialogs);
}

}  // namespace resgen
