// "CPU options": one control per processor parameter. The controls offer only allowed values,
// so whatever the dialog answers can go straight to the setters.
#pragma once

#include <QDialog>

#include "machine/processor_parameters.h"

class QSlider;
class QRadioButton;
class QLabel;
class QGridLayout;

class CPU_OPTIONS_DIALOG : public QDialog {
  Q_OBJECT

 public:
  explicit CPU_OPTIONS_DIALOG(QWidget* parent = nullptr);

  // Sets every control from the parameters.
  void show_parameters(const PROCESSOR_PARAMETERS& parameters);
  // The parameters the controls hold now.
  PROCESSOR_PARAMETERS chosen_parameters() const;

 private:
  // A row "label, slider, unit text"; the unit text shows shown_value(position) and the unit.
  QSlider* add_slider_row(const char* label, const char* name, int minimum, int maximum,
                          const char* unit, int (*shown_value)(int));
  void snap_data_size(int value);

  QSlider* registers_;
  QSlider* data_size_;
  QRadioButton* rom16_;
  QRadioButton* rom24_;
  QSlider* ram_address_;
  QSlider* stack_size_;
  QSlider* input_;
  QSlider* output_;
  QSlider* input_output_;
  int last_data_size_ = 8;
  QGridLayout* rows_;
};
