#include "tools/assetgen/SkinPreview.h"

#include <QPainter>
#include <ranges>

#include "window/Form1Description.h"

namespace zingbox::assetgen {

QImage ComposeSkin(const SkinLayout& layout, const std::map<std::string, QImage>& pictures, bool withCaptions) {
  QImage client(layout.client, QImage::Format_RGB32);
  client.fill(QColor(255, 0, 255));  // uncovered pixels must stand out
  QPainter painter(&client);
  for (const ControlDescription& design : Form1Description | std::views::reverse) {
    const std::string name(design.name);
    if (!layout.visible.contains(name) || !layout.visible.at(name)) continue;
    const QRect place = layout.controls.at(name);
    if (design.kind == ControlKind::Picture) {
      const QImage& picture = pictures.at(name);
      if (design.stretches) {
        painter.drawImage(place, picture);
      } else {
        painter.drawImage(place.topLeft(), picture);
      }
    } else if (design.kind == ControlKind::Label && withCaptions) {
      painter.setPen(Qt::white);
      painter.drawText(place, design.centred ? Qt::AlignHCenter : Qt::AlignLeft,
                       QString::fromStdU16String(std::u16string(design.caption)));
    }
  }
  painter.fillRect(layout.player, Qt::black);
  painter.end();
  return client;
}

}  // namespace zingbox::assetgen
