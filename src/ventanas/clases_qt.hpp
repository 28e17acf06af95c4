#pragma once
// The Qt classes the windows and their kit hold pointers to, declared only: a
// window's header names them, and only its source includes their headers.

class QAbstractButton;
class QAction;
class QBoxLayout;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTableView;
class QVBoxLayout;
class QWidget;
