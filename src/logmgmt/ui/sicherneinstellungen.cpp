#include "logmgmt/ui/sicherneinstellungen.h"

#include "core/errorbox.h"
#include "entry/session.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

namespace vk {

SichernEinstellungen::SichernEinstellungen(Session& session, QWidget* parent)
    : QDialog(parent), m_s(session), m_logic(session) {
  setObjectName(QStringLiteral("SichernEinstellungen"));
  setWindowTitle(QStringLiteral("Zusätzliches Sichern Einstellungen"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  build();
  m_logic.load();
  m_on->setChecked(m_logic.switchedOn());
  fillVolumes();
  const QString stored = m_logic.folder();
  if (!stored.isEmpty()) {
    showVolume(QStorageInfo(stored).rootPath());
    openFolder(stored);
  } else {
    // Nothing chosen yet: show the home folder without choosing it.
    showVolume(QStorageInfo(QDir::homePath()).rootPath());
    const QModelIndex home = m_model->index(QDir::homePath());
    m_tree->expand(home);
    m_tree->scrollTo(home, QAbstractItemView::PositionAtTop);
  }
  m_folder->setText(m_logic.folder());
}

void SichernEinstellungen::build() {
  auto* root = new QVBoxLayout(this);
  root->setSizeConstraint(QLayout::SetFixedSize);
  root->addWidget(new QLabel(QStringLiteral("Sicherungslaufwerk"), this));
  m_volumes = new QComboBox(this);
  m_volumes->setObjectName(QStringLiteral("Drive1"));
  root->addWidget(m_volumes);
  root->addWidget(new QLabel(QStringLiteral("Sicherungsordner"), this));

  m_model = new QFileSystemModel(this);
  m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
  m_model->setReadOnly(true);
  m_tree = new QTreeView(this);
  m_tree->setObjectName(QStringLiteral("Dir1"));
  m_tree->setModel(m_model);
  for (int c = 1; c < m_model->columnCount(); ++c)
    m_tree->hideColumn(c);
  m_tree->header()->hide();
  m_tree->setFixedSize(380, 260);
  root->addWidget(m_tree);

  auto* newFolder = new QPushButton(QStringLiteral("&Neuer Ordner"), this);
  newFolder->setObjectName(QStringLiteral("NewFolder"));
  root->addWidget(newFolder, 0, Qt::AlignLeft);
  root->addWidget(new QLabel(QStringLiteral("Ordner in den gesichert wird"), this));
  m_folder = new QLineEdit(this);
  m_folder->setObjectName(QStringLiteral("Text1"));
  m_folder->setReadOnly(true);
  root->addWidget(m_folder);
  m_on = new QCheckBox(QStringLiteral("Zusätzliches &Sichern EIN"), this);
  m_on->setObjectName(QStringLiteral("Check1"));
  root->addWidget(m_on);

  auto* buttons = new QHBoxLayout;
  auto* cancel = new QPushButton(QStringLiteral("&Abbrechen"), this);
  cancel->setObjectName(QStringLiteral("Cancel"));
  auto* ok = new QPushButton(QStringLiteral("&OK"), this);
  ok->setObjectName(QStringLiteral("Ok"));
  buttons->addStretch();
  buttons->addWidget(cancel);
  buttons->addWidget(ok);
  root->addLayout(buttons);
  for (QPushButton* b : findChildren<QPushButton*>())
    b->setAutoDefault(false);

  connect(m_volumes, &QComboBox::activated, this, [this](int i) { showVolume(m_volumes->itemData(i).toString()); });
  connect(m_tree->selectionModel(), &QItemSelectionModel::currentChanged, this, &SichernEinstellungen::onFolderChanged);
  connect(newFolder, &QPushButton::clicked, this, &SichernEinstellungen::onNewFolder);
  connect(m_on, &QCheckBox::toggled, this, [this](bool on) { m_logic.setSwitchedOn(on); });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(ok, &QPushButton::clicked, this, &SichernEinstellungen::onOk);
}

void SichernEinstellungen::fillVolumes() {
  m_volumes->clear();
  for (const QStorageInfo& v : QStorageInfo::mountedVolumes()) {
    if (!v.isValid())
      continue;
    const QString label = v.name().isEmpty() ? v.rootPath() : v.rootPath() + QStringLiteral(" [") + v.name() + ']';
    m_volumes->addItem(label, v.rootPath());
  }
  if (m_volumes->findData(QStringLiteral("/")) < 0)
    m_volumes->insertItem(0, QStringLiteral("/"), QStringLiteral("/"));
}

void SichernEinstellungen::showVolume(const QString& rootPath) {
  const QString root = rootPath.isEmpty() ? QStringLiteral("/") : rootPath;
  for (;;) {
    if (QStorageInfo(root).isReady())
      break;
    if (!ShowErrorBox(*m_s.prompter, QStringLiteral("Das Laufwerk %1 ist nicht bereit.").arg(root))) {
      fillVolumes();
      return;
    }
  }
  const int i = m_volumes->findData(root);
  if (i >= 0)
    m_volumes->setCurrentIndex(i);
  m_tree->setRootIndex(m_model->setRootPath(root));
}

void SichernEinstellungen::openFolder(const QString& path) {
  const QString volume = QStorageInfo(path).rootPath();
  if (!volume.isEmpty() && m_model->rootPath() != volume && !path.startsWith(m_model->rootPath()))
    showVolume(volume);
  const QModelIndex index = m_model->index(BackupSettingsLogic::Normalised(path));
  if (!index.isValid())
    return;
  m_tree->setCurrentIndex(index);
  m_tree->scrollTo(index);
  m_tree->expand(index);
}

QString SichernEinstellungen::currentFolder() const {
  const QModelIndex i = m_tree->currentIndex();
  return i.isValid() ? m_model->filePath(i) : QString();
}

void SichernEinstellungen::onFolderChanged() {
  const QString path = currentFolder();
  if (path.isEmpty())
    return;
  if (const std::optional<QString> back = m_logic.chooseFolder(path)) {
    openFolder(*back);
    return;
  }
  m_folder->setText(m_logic.folder());
}

void SichernEinstellungen::onNewFolder() {
  if (const std::optional<QString> created = m_logic.newFolder(currentFolder()))
    openFolder(*created);
}

void SichernEinstellungen::onOk() {
  if (m_logic.ok())
    accept();
}

bool RunSichernEinstellungen(Session& session, QWidget* parent) {
  SichernEinstellungen w(session, parent);
  return w.exec() == QDialog::Accepted;
}

} // namespace vk
