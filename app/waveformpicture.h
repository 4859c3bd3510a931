#pragma once
/// The small picture of one rainfall waveform beside the "降雨波形" choice: the blocks of the
/// hyetograph in the order the waveform places them.

#include <QWidget>

class WaveformPicture : public QWidget {
  Q_OBJECT

 public:
  /// `waveform`: 0 中央集中型(1), 1 中央集中型(2), 2 後方集中型.
  WaveformPicture(int waveform, QWidget* parent = nullptr);

  QSize sizeHint() const override { return {150, 70}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int m_waveform;
};
