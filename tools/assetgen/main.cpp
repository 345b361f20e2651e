// Draws Form1's pictures and the program icon. Run again, it writes the same bytes.
//   zingbox_assetgen <assets folder> <hicolor folder> [--preview <folder>]
#include <QDir>
#include <QGuiApplication>
#include <filesystem>
#include <iostream>

#include "tools/assetgen/GifFile.h"
#include "tools/assetgen/IcoFile.h"
#include "tools/assetgen/MonsterIcon.h"
#include "tools/assetgen/ProgramIcon.h"
#include "tools/assetgen/SkinPictures.h"
#include "tools/assetgen/SkinPreview.h"
#include "window/Form1Description.h"

namespace fs = std::filesystem;
using namespace zingbox;
using namespace zingbox::assetgen;

namespace {

void Save(const QImage& image, const fs::path& path) {
  fs::create_directories(path.parent_path());
  if (!image.save(QString::fromStdString(path.string()), "PNG")) throw std::runtime_error("cannot write " + path.string());
}

void WritePreviews(const std::map<std::string, IndexedPicture>& pictures, const fs::path& folder) {
  std::map<std::string, QImage> decoded;
  for (const auto& [name, picture] : pictures) decoded[name] = ToImage(picture);
  for (QSize client : {QSize(Form1ClientWidth, Form1ClientHeight), QSize(1200, 900), QSize(500, 400)}) {
    const std::string name = "skin-" + std::to_string(client.width()) + "x" + std::to_string(client.height()) + ".png";
    Save(ComposeSkin(LayOutSkin(client), decoded, true), folder / name);
  }
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);  // fonts, for the previews' captions
  const QStringList args = application.arguments();
  if (args.size() != 3 && !(args.size() == 5 && args[3] == "--preview")) {
    std::cerr << "usage: zingbox_assetgen <assets folder> <hicolor folder> [--preview <folder>]\n";
    return 2;
  }
  try {
    const fs::path assets = args[1].toStdString();
    const fs::path hicolor = args[2].toStdString();
    fs::create_directories(assets);
    const auto pictures = DrawSkinPictures();
    for (const auto& [name, picture] : pictures) WriteGif(picture, (assets / (name + ".gif")).string());
    WriteIco(DrawProgramIconImages(), (assets / "zingbox.ico").string());
    for (int size : DesktopIconSizes) {
      const std::string folder = std::to_string(size) + "x" + std::to_string(size);
      Save(DrawMonsterIcon(size), hicolor / folder / "apps" / "zingbox.png");
    }
    if (args.size() == 5) WritePreviews(pictures, args[4].toStdString());
  } catch (const std::exception& error) {
    std::cerr << "zingbox_assetgen: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
