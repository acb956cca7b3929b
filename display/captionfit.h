#pragma once

class Label;
class QSize;
class QWidget;

// Makes a caption's font smaller until its text fits the box it is shown in
// (the panel it is centred in, or its own fixed box). A caption that already
// fits keeps its size.
void shrinkToFit(Label *caption, QSize box);

// Puts a widget in the middle of its panel.
void centreIn(QWidget *widget, const QWidget *panel);
