#pragma once

#include <QDialog>
#include <QRect>
#include <QSize>
#include <cstdint>
#include <span>

#include "dialogs/picker_rows.h"
#include "layout/skin_layout.h"

namespace vorlune {

// What distinguishes one property dialog from another: its title, size, the
// rows of its palette picker and where the part picture and OK go.
struct PickerDialogContents {
  const char* title;  // UTF-8
  QSize sizeUnits;
  std::span<const PickerRow> rows;
  QPoint partPicture;  // client pixels of the 42 x 35 picture of the kind
  QRect okUnits;
};

// The palette picker shared by the property dialogs. It is painted into the
// dialog's own client area and hit-tested there: one row per colour, each a
// preview square and the palette strip; the kind's part picture beside them.
// A left click on a swatch makes it the row's colour and repaints the preview
// at once. OK or Enter accept, Escape rejects.
class PickerDialog : public QDialog {
  Q_OBJECT

 public:
  const PickerDialogContents& Contents() const { return contents_; }

 protected:
  PickerDialog(const PickerDialogContents& contents, QWidget* parent);

  // Whether clicks on the strips choose colours.
  virtual bool PickerActive() const { return true; }
  // Sets the controls from the members each time the dialog is shown.
  virtual void UpdateControls() {}

  // Repaints every row's preview before returning.
  void RepaintPreviews();

  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void showEvent(QShowEvent* event) override;

  PartKind kind_ = kNoKind;
  ColorTriple colors_{kNoColor, kNoColor, kNoColor};

 private:
  const PickerDialogContents& contents_;
};

}  // namespace vorlune
