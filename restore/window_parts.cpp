#include "restore/window_parts.h"

#include "restore/restore_artwork.h"

namespace restore {

namespace {

constexpr platform::ColorRef kTitleLight = 0x00FFEFB0;
constexpr platform::ColorRef kTitleShadow = 0x00603900;

}  // namespace

platform::Control& AddWindowTitle(app::TwipsLayout& layout, platform::Form& form, const std::string& name,
                                  const std::string& caption) {
    const int width = layout.width();
    platform::Control* light = nullptr;
    for (const bool shadow : {true, false}) {
        auto& title = layout.Add(form, platform::ControlKind::Label, shadow ? name + "SH" : name,
                                 {shadow ? 3 : 0, shadow ? 6 : 4, width - 6, 27});
        title.setForeColor(shadow ? kTitleShadow : kTitleLight);
        title.setCaption(caption);
        title.setFont(app::TitleFont(16));
        title.setAlignment(platform::Align::Center);
        if (!shadow) light = &title;
    }
    return *light;
}

platform::Control& AddActionButton(app::TwipsLayout& layout, platform::Form& form, const std::string& name,
                                   const platform::Rect& place, const std::string& caption,
                                   const std::string& tooltip) {
    auto& picture = layout.Add(form, platform::ControlKind::Image, "Img" + name, place);
    layout.Draw(picture, [](double scale) { return art::ActionPicture(scale); });
    auto& label = layout.Add(form, platform::ControlKind::Label, "Lab" + name, {place.x, place.y + 7, place.w, 17});
    label.setCaption(caption);
    label.setFont(app::TitleFont(9));
    label.setForeColor(platform::rgb(0xFF, 0xFF, 0xFF));
    label.setAlignment(platform::Align::Center);
    auto& button = layout.Add(form, platform::ControlKind::Image, name, place);
    button.setCursor(platform::Cursor::Hand);
    button.setTooltip(tooltip);
    return button;
}

}  // namespace restore
