#pragma once

#include <functional>
#include <string>

namespace zingbox {

// All the program knows of the movie player. The program only writes to it; the one
// thing that flows back is FSCommand. Any operation may throw RuntimeError.
class MoviePlayer {
 public:
  // Raised on the UI thread, with the texts exactly as the movie sent them.
  using FSCommandHandler =
      std::function<void(const std::u16string& command, const std::u16string& args)>;

  virtual ~MoviePlayer() = default;

  // A full path; the named movie replaces the loaded one and plays from its first frame.
  virtual void SetMovie(const std::u16string& path) = 0;
  // Six hex digits "rrggbb"; empty means the movie's own stage colour. Stays in force
  // through later loads.
  virtual void SetBGColor(const std::u16string& colour) = 0;
  virtual void Play() = 0;
  virtual void StopPlay() = 0;

  // The container's place and size in the window's client area, in twips.
  virtual void SetLeft(float twips) = 0;
  virtual void SetTop(float twips) = 0;
  virtual void SetWidth(float twips) = 0;
  virtual void SetHeight(float twips) = 0;

  virtual void OnFSCommand(FSCommandHandler handler) = 0;
};

}  // namespace zingbox
