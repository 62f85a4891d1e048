#pragma once

#include <QDialog>
#include <QRect>
#include <QSize>
#include <cstdint>
#include <span>

#include "dialogs/picker_rows.h"
#include "layout/skin_layout.h"

namespace vorlune {

// What distinguishes one property dialog from another: its template and the
// rows of its palette picker.
struct PickerDialogTemplate {
  int id;
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
// at once.
class PickerDialog : public QDialog {
 public:
  // The modal run: kIdOk through OK or Enter, kIdCancel through Escape.
  int DoModal();

  const PickerDialogTemplate& Template() const { return template_; }

 protected:
  PickerDialog(const PickerDialogTemplate& dialogTemplate, QWidget* parent);

  // Whether clicks on the strips choose colours.
  virtual bool PickerActive() const { return true; }
  // Sets the controls from the members each time the dialog is shown.
  virtual void OnInitDialog() {}

  // Repaints every row's preview before returning.
  void RepaintPreviews();

  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void showEvent(QShowEvent* event) override;

  std::int32_t m_nKind = kNoKind;
  ColorTriple m_color{kNoColor, kNoColor, kNoColor};

 private:
  const PickerDialogTemplate& template_;
};

}  // namespace vorlune
