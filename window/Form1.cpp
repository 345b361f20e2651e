#include "Form1.h"

#include <QApplication>
#include <QPainter>
#include <QResizeEvent>

#include "platform/desktop/DesktopOpener.h"
#include "share/SendAFriend.h"
#include "shell/MenuCommands.h"
#include "shell/PlayerButtons.h"
#include "shell/StartUp.h"
#include "window/FrameLayout.h"
#include "window/PressFeedback.h"

namespace zingbox {

namespace {

QString ToQString(std::string_view text) { return QString::fromLatin1(text.data(), qsizetype(text.size())); }

// Qt has no role for a title bar's text. BrightText is its colour for text on dark
// surfaces such as a classic title bar; HighlightedText is selected text itself.
QPalette::ColorRole PaletteRole(CaptionColour colour) {
  return colour == CaptionColour::TitleBarText ? QPalette::BrightText : QPalette::HighlightedText;
}

// The desktop's own face, small like the classic toolkit's default. Laid out, Label4
// reaches past the window's right edge, which leaves "Send a Friend" 72 of its 81 pixels.
QFont SmallUiFont() {
  QFont font = QApplication::font();
  font.setPixelSize(10);
  return font;
}

}  // namespace

Form1::Form1(HostedPlayer& flash, const QString& packFolder) : flash_(flash), folder_(packFolder) {
  setWindowTitle(QString::fromStdU16String(std::u16string(Form1Caption)));
  setWindowIcon(QIcon(QStringLiteral(":/window/zingbox.ico")));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                 Qt::WindowCloseButtonHint);
  setGeometry(Form1ClientLeft, Form1ClientTop, Form1ClientWidth, Form1ClientHeight);
  setFocusPolicy(Qt::NoFocus);

  for (const ControlDescription& control : Form1Description) CreateControl(control);
  ArrangeInDescriptionOrder();
  controls_.emplace(BindForm1Controls(metrics_, Timer1_, flash_, *this));
  ConnectEvents();
  // The window is not active yet; Qt hands the focus over when it becomes active.
  flash_.Widget()->setFocus(Qt::OtherFocusReason);
}

Form1::~Form1() { flash_.Widget()->setParent(nullptr); }

void Form1::CreateControl(const ControlDescription& control) {
  const QString name = ToQString(control.name);
  const TwipsRect design{control.left, control.top, control.width, control.height};
  switch (control.kind) {
    case ControlKind::Timer:
      return;  // Timer1 is a member; it has no place.
    case ControlKind::MoviePlayer: {
      QWidget& widget = *flash_.Widget();
      widget.setParent(this);
      widget.setObjectName(name);
      widget.setFocusPolicy(Qt::StrongFocus);
      flash_.SetLeft(design.left);
      flash_.SetTop(design.top);
      flash_.SetWidth(design.width);
      flash_.SetHeight(design.height);
      return;
    }
    case ControlKind::Label:
      labels_[control.name] = new QtLabel(
          this, name, design, QString::fromStdU16String(std::u16string(control.caption)),
          Qt::AlignTop | (control.centred ? Qt::AlignHCenter : Qt::AlignLeft), PaletteRole(control.captionColour),
          SmallUiFont());
      return;
    case ControlKind::Picture:
      pictures_[control.name] =
          new QtPicture(this, name, QStringLiteral(":/window/%1.gif").arg(name), design, control.visible,
                        control.stretches ? QtPicture::Fit::Stretched : QtPicture::Fit::Unscaled);
      return;
  }
}

// Lowering each control in description order leaves the first on top and the last at
// the bottom. Only the player takes the focus, so there is no tab order to set.
void Form1::ArrangeInDescriptionOrder() {
  for (const ControlDescription& control : Form1Description) {
    QWidget* widget = findChild<QWidget*>(ToQString(control.name), Qt::FindDirectChildrenOnly);
    if (widget != nullptr) widget->lower();  // Timer1 is never drawn
  }
  flash_.Widget()->raise();
}

void Form1::ConnectEvents() {
  Form1Controls& form = *controls_;
  flash_.OnFSCommand([this, &form](const std::u16string& command, const std::u16string& args) {
    boundary_.Run(tr("carrying out the menu's command"),
                  [&] { flash_FSCommand(state_, form.flash, folder_, command, args); });
  });
  WhenClicked(Picture("Image1"), tr("returning to the menu"), [this, &form] { Image1_Click(form, state_, folder_); });
  WhenClicked(Picture("Image3"), tr("pausing or resuming the game"), [this, &form] { Image3_Click(form, state_); });
  WhenClicked(Picture("Image5"), tr("restarting the game"), [this, &form] { Image5_Click(form, state_, folder_); });
  WhenClicked(Picture("Image7"), tr("handing the mail to the mail program"),
              [this] { Image7_Click(static_cast<std::uintptr_t>(winId()), ShellExecuteA); });
  connect(&Timer1_, &QtTimer::tick, this,
          [this, &form] { boundary_.Run(tr("releasing the pressed button"), [&] { Timer1_Timer(form); }); });
}

// The keys belong to the movie: whatever the button did, the player has the focus after it.
void Form1::WhenClicked(QtPicture& button, const QString& duringAction, std::function<void()> handler) {
  connect(&button, &QtPicture::clicked, this, [this, duringAction, handler = std::move(handler)] {
    boundary_.Run(duringAction, handler);
    flash_.Widget()->setFocus(Qt::OtherFocusReason);
  });
}

void Form1::setVisible(bool visible) {
  if (visible && !loaded_) {
    loaded_ = true;
    boundary_.Run(tr("starting up"), [this] { Form1_Load(*controls_, state_, folder_); });
  }
  QWidget::setVisible(visible);
}

// Whatever strip the skin leaves uncovered reads as part of the dark bezel.
void Form1::paintEvent(QPaintEvent*) { QPainter(this).fillRect(rect(), Qt::black); }

void Form1::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Resize();
}

// A minimize is a Resize too: the pass sees the state and leaves everything in place.
void Form1::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange) Resize();
}

// No handler runs before Load.
void Form1::Resize() {
  if (loaded_) ResizePass(*controls_);
}

QtPicture& Form1::Picture(std::string_view name) { return *pictures_.at(name); }

QtLabel& Form1::Caption(std::string_view name) { return *labels_.at(name); }

}  // namespace zingbox
