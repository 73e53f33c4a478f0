#pragma once
// A picture box that acts on a click: a flat button showing a 32 x 32 picture
// of the resources, reachable with Tab and pressed with the space bar as well
// as the mouse, with its own mouse pointer. Its Designer file names the picture
// and the pointer ("open" or "help"); both are drawn the first time they are
// needed, the picture at its first paint and the pointer when the mouse first
// comes over the button.

#include <QToolButton>

namespace vantel {

class PictureButton : public QToolButton {
  Q_OBJECT
  Q_PROPERTY(QString picture READ picture WRITE setPicture)
  Q_PROPERTY(QString pointer READ pointer WRITE setPointer)
 public:
  explicit PictureButton(QWidget* parent = nullptr);

  QString picture() const { return picture_; }
  void setPicture(const QString& file);
  QString pointer() const { return pointer_; }
  void setPointer(const QString& pointer) { pointer_ = pointer; }

 protected:
  void enterEvent(QEnterEvent* event) override;

 private:
  QString picture_;
  QString pointer_;
};

}  // namespace vantel
