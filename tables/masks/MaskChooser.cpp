#include "tables/masks/MaskChooser.h"

#include "platform/framework/MessageBox.h"

MaskChooser::MaskChooser(const QString& property) : m_masks(masklist::load(&m_firstShowing))
{
    const InputMask current = InputMask::fromProperty(property);
    if (current.isEmpty())
        return;
    m_placeholder = current.placeholder();
    m_storeSymbols = current.storesLiterals();
    for (int row = 0; row < m_masks.size(); ++row)
        if (m_masks[row].mask == current.mask()) {
            m_selected = row;
            break;
        }
}

QStringList MaskChooser::placeholders()
{
    return {QStringLiteral("_"), QStringLiteral("#"), QStringLiteral("*"), QStringLiteral(" ")};
}

QString MaskChooser::shownMask(int row) const
{
    if (row < 0 || row >= m_masks.size())
        return {};
    if (m_firstShowing && row == 0 && m_masks[row] == masklist::defaults().first())
        return QStringLiteral("000-###");
    return m_masks[row].mask;
}

void MaskChooser::select(int row) { m_selected = row >= 0 && row < m_masks.size() ? row : -1; }

InputMask MaskChooser::tryIt() const
{
    return m_selected < 0 ? InputMask() : InputMask(m_masks[m_selected].mask, m_storeSymbols, m_placeholder);
}

std::optional<MaskEntry> MaskChooser::startEdit() const
{
    if (m_selected < 0) {
        framework::showMessage(QStringLiteral("Select an inputmask to Edit"));
        return std::nullopt;
    }
    return m_masks[m_selected];
}

namespace {
bool storable(const MaskEntry& entry)
{
    if (entry.mask.isEmpty()) {
        framework::showMessage(QStringLiteral("Enter an Input Mask"));
        return false;
    }
    if ((entry.description + entry.sample + entry.mask).contains(u'~') || entry.mask.contains(u';')) {
        framework::showMessage(QStringLiteral("An input mask cannot contain ~ or ;"));
        return false;
    }
    return true;
}
} // namespace

bool MaskChooser::add(const MaskEntry& entry)
{
    if (!storable(entry))
        return false;
    m_masks.append(entry);
    m_selected = int(m_masks.size()) - 1;
    masklist::save(m_masks);
    return true;
}

bool MaskChooser::replaceSelected(const MaskEntry& entry)
{
    if (m_selected < 0 || !storable(entry))
        return false;
    m_masks[m_selected] = entry;
    masklist::save(m_masks);
    return true;
}

std::optional<QString> MaskChooser::result() const
{
    if (m_selected < 0)
        return std::nullopt;
    return tryIt().toProperty();
}
