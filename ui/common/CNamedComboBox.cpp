// The named box and the accessible interface a screen reader reads it by.
#include "ui/common/CNamedComboBox.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

// A combo box whose name is its accessible name and whose value is its text.
class NamedComboBoxAccessible : public QAccessibleWidget {
public:
    explicit NamedComboBoxAccessible(QWidget* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override
    {
        const auto* box = static_cast<const QComboBox*>(widget());
        switch (kind) {
        case QAccessible::Name:
            return box->accessibleName();
        case QAccessible::Value:
            return box->currentText();
        default:
            return QAccessibleWidget::text(kind);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = static_cast<const QComboBox*>(widget())->isEditable();
        state.expandable = true;
        return state;
    }
};

QAccessibleInterface* NamedComboBoxFactory(const QString& className, QObject* object)
{
    if (className != QLatin1String(CNamedComboBox::staticMetaObject.className()) || !object || !object->isWidgetType())
        return nullptr;
    return new NamedComboBoxAccessible(static_cast<QWidget*>(object));
}

}  // namespace

CNamedComboBox::CNamedComboBox(const QString& name, QWidget* parent) : QComboBox(parent)
{
    // Qt keeps each factory once, however often it is installed.
    QAccessible::installFactory(&NamedComboBoxFactory);
    setAccessibleName(name);
}
