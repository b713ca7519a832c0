// The "SysTreeView32" window class: the tree's items, their navigation, expansion and selection,
// as mfc/comctl/TreeCtrl.h describes.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "mfc/comctl/CommonControl.h"
#include "mfc/base/Diagnostics.h"
#include "mfc/base/Encoding.h"
#include "mfc/base/GbkText.h"
#include "mfc/comctl/TreeCtrl.h"
#include "mfc/comctl/TreePaint.h"
#include "mfc/user/WindowClass.h"

namespace {

struct Node {
    HTREEITEM handle = nullptr;  // null for the invisible root
    Node* parent = nullptr;
    std::vector<Node*> children;
    CString text;
    int image = 0;
    int selectedImage = 0;
    UINT state = 0;
    LPARAM param = 0;
    int childrenFlag = 0;  // TVIF_CHILDREN's cChildren: the item says it has children
};

HTREEITEM NewHandle() {
    static std::uintptr_t next = 0x10000;
    next += 0x10;
    return reinterpret_cast<HTREEITEM>(next);
}

class TreeViewProcedure : public qelt::WindowProcedure {
public:
    bool Handle(qelt::WindowRecord& window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        HTREEITEM item = reinterpret_cast<HTREEITEM>(lParam);
        switch (message) {
        case TVM_INSERTITEM:
            result = reinterpret_cast<LRESULT>(Insert(window, reinterpret_cast<const TVINSERTSTRUCT*>(lParam)));
            return true;
        case TVM_DELETEITEM:
            result = Delete(window, item);
            return true;
        case TVM_EXPAND:
            result = Expand(window, item, static_cast<UINT>(wParam));
            return true;
        case TVM_SORTCHILDREN:
            result = SortChildren(window, item);
            return true;
        case TVM_GETCOUNT:
            result = static_cast<LRESULT>(m_nodes.size());
            return true;
        case TVM_GETNEXTITEM:
            result = reinterpret_cast<LRESULT>(Next(item, static_cast<UINT>(wParam)));
            return true;
        case TVM_SELECTITEM:
            result = SelectMessage(window, item, static_cast<UINT>(wParam));
            return true;
        case TVM_GETITEM:
            result = GetItem(reinterpret_cast<TVITEM*>(lParam));
            return true;
        case TVM_SETITEM:
            result = SetItem(window, reinterpret_cast<const TVITEM*>(lParam));
            return true;
        case TVM_SETIMAGELIST:
            result = wParam == TVSIL_NORMAL || wParam == TVSIL_STATE ? reinterpret_cast<LRESULT>(m_images[wParam / 2]) : 0;
            if (wParam == TVSIL_NORMAL || wParam == TVSIL_STATE) m_images[wParam / 2] = reinterpret_cast<HIMAGELIST>(lParam);
            return true;
        case TVM_GETIMAGELIST:
            result = wParam == TVSIL_NORMAL || wParam == TVSIL_STATE ? reinterpret_cast<LRESULT>(m_images[wParam / 2]) : 0;
            return true;
        case WM_SETFOCUS:
        case WM_KILLFOCUS: {
            NMHDR header{};
            qelt::SendNotify(window, header, message == WM_SETFOCUS ? NM_SETFOCUS : NM_KILLFOCUS);
            return true;
        }
        case WM_GETDLGCODE:
            result = DLGC_WANTARROWS | DLGC_WANTCHARS;
            return true;
        case WM_PAINT:
            qelt::PaintTreeView(window.handle, ShownRows(), m_images[0]);
            return true;
        case WM_DESTROY:
            m_nodes.clear();
            m_root.children.clear();
            m_selected = nullptr;
            return false;
        default:
            return false;
        }
    }

    // The script's "pick": the item at a path of texts ("楼梯/板式楼梯"), reached as a person reaches
    // it: the tree takes the focus, the item is selected as a click selects it (its ancestors
    // expand), then NM_CLICK.
    qelt::ActionOutcome ApplyUserAction(qelt::WindowRecord& window, const qelt::UserAction& action) override {
        if (action.kind != qelt::UserAction::Kind::Pick) return qelt::ActionOutcome::NotApplicable();
        const std::string name = "tree " + std::to_string(static_cast<int>(window.id));
        const std::string& path = action.text.Str();
        const Node* node = &m_root;
        size_t start = 0;
        while (start <= path.size()) {
            const size_t end = std::min(path.find('/', start), path.size());
            const std::string part = path.substr(start, end - start);
            const Node* next = nullptr;
            for (const Node* child : node->children) {
                if (child->text.Str() == part) {
                    next = child;
                    break;
                }
            }
            if (!next) {
                return qelt::ActionOutcome::Refused(name + " has no item \"" +
                                                    qelt::text::GbkToUtf8ForDisplay(path.substr(0, end)) + "\"");
            }
            node = next;
            start = end + 1;
        }
        const HWND self = window.handle;
        qelt::ActionOutcome focus = qelt::TakeFocusAsClick(window);
        if (focus.kind != qelt::ActionOutcome::Kind::Applied) return focus;
        const HTREEITEM item = node->handle;
        if (!m_nodes.count(item)) return qelt::ActionOutcome::Applied();  // a focus handler deleted it
        Select(window, item, TVC_BYMOUSE);
        if (::IsWindow(self)) {
            NMHDR header{};
            qelt::SendNotify(window, header, NM_CLICK);
        }
        return qelt::ActionOutcome::Applied();
    }

private:
    // The items as the tree shows them: the children of an expanded item follow it.
    std::vector<qelt::TreeRow> ShownRows() const {
        std::vector<qelt::TreeRow> rows;
        std::vector<bool> continues;
        AddShownRows(m_root, continues, rows);
        return rows;
    }

    void AddShownRows(const Node& parent, std::vector<bool>& continues, std::vector<qelt::TreeRow>& rows) const {
        for (size_t k = 0; k < parent.children.size(); ++k) {
            const Node& node = *parent.children[k];
            continues.push_back(k + 1 < parent.children.size());
            qelt::TreeRow row;
            row.text = node.text;
            row.depth = static_cast<int>(continues.size()) - 1;
            row.hasChildren = !node.children.empty() || node.childrenFlag != 0;
            row.expanded = (node.state & TVIS_EXPANDED) != 0;
            row.selected = node.handle == m_selected;
            row.image = row.selected ? node.selectedImage : node.image;
            row.continues = continues;
            rows.push_back(row);
            if (row.expanded) AddShownRows(node, continues, rows);
            continues.pop_back();
        }
    }

    // The node of a handle; null, with a misuse naming the caller, for a handle of no item.
    Node* Find(HTREEITEM handle, const char* caller) const {
        auto found = m_nodes.find(handle);
        if (found != m_nodes.end()) return found->second.get();
        qelt::ReportMisuse("%s: %p names no item of the tree", caller, static_cast<void*>(handle));
        return nullptr;
    }

    // The parent node that TVI_ROOT or null means, or an item.
    Node* Parent(HTREEITEM handle, const char* caller) {
        if (!handle || handle == TVI_ROOT) return &m_root;
        return Find(handle, caller);
    }

    HTREEITEM Insert(qelt::WindowRecord& window, const TVINSERTSTRUCT* insert) {
        if (!insert) {
            qelt::ReportMisuse("TVM_INSERTITEM without an item");
            return nullptr;
        }
        Node* parent = Parent(insert->hParent, "TVM_INSERTITEM");
        if (!parent) return nullptr;
        auto node = std::make_unique<Node>();
        node->handle = NewHandle();
        node->parent = parent;
        const TVITEM& item = insert->item;
        if (item.mask & TVIF_TEXT) node->text = qelt::TextIn(item.pszText, "TVM_INSERTITEM");
        if (item.mask & TVIF_IMAGE) node->image = item.iImage;
        if (item.mask & TVIF_SELECTEDIMAGE) node->selectedImage = item.iSelectedImage;
        if (item.mask & TVIF_STATE) node->state = item.state & item.stateMask;
        if (item.mask & TVIF_PARAM) node->param = item.lParam;
        if (item.mask & TVIF_CHILDREN) node->childrenFlag = item.cChildren;

        std::vector<Node*>& siblings = parent->children;
        auto at = siblings.end();
        const HTREEITEM after = insert->hInsertAfter;
        if (after == TVI_FIRST) {
            at = siblings.begin();
        } else if (after == TVI_SORT) {
            at = std::find_if(siblings.begin(), siblings.end(), [&](const Node* sibling) {
                return qelt::gbk::CompareNoCase(sibling->text.Str(), node->text.Str()) > 0;
            });
        } else if (after && after != TVI_LAST) {
            auto found = std::find_if(siblings.begin(), siblings.end(), [&](const Node* s) { return s->handle == after; });
            if (found != siblings.end()) at = found + 1;
        }
        const HTREEITEM handle = node->handle;
        siblings.insert(at, node.get());
        m_nodes.emplace(handle, std::move(node));
        ::InvalidateRect(window.handle, nullptr, TRUE);
        return handle;
    }

    static void PostOrder(Node* node, std::vector<HTREEITEM>& out) {
        for (Node* child : node->children) PostOrder(child, out);
        if (node->handle) out.push_back(node->handle);
    }

    void Erase(Node* node) {
        for (Node* child : std::vector<Node*>(node->children)) Erase(child);
        if (node == &m_root) return;
        if (m_selected == node->handle) m_selected = nullptr;
        if (m_dropTarget == node->handle) m_dropTarget = nullptr;
        std::vector<Node*>& siblings = node->parent->children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), node), siblings.end());
        m_nodes.erase(node->handle);
    }

    BOOL Delete(qelt::WindowRecord& window, HTREEITEM handle) {
        Node* top = Parent(handle, "TVM_DELETEITEM");
        if (!top) return FALSE;
        std::vector<HTREEITEM> going;
        PostOrder(top, going);
        for (HTREEITEM each : going) {
            auto found = m_nodes.find(each);
            if (found == m_nodes.end()) continue;
            NMTREEVIEW notice{};
            notice.itemOld.mask = TVIF_HANDLE | TVIF_PARAM;
            notice.itemOld.hItem = each;
            notice.itemOld.lParam = found->second->param;
            qelt::SendNotify(window, notice.hdr, TVN_DELETEITEM);
        }
        // A handler may have deleted items itself meanwhile.
        Node* still = (!handle || handle == TVI_ROOT) ? &m_root : nullptr;
        if (!still) {
            auto found = m_nodes.find(handle);
            if (found != m_nodes.end()) still = found->second.get();
        }
        if (still) Erase(still);
        ::InvalidateRect(window.handle, nullptr, TRUE);
        return TRUE;
    }

    bool HasChildren(const Node* node) const { return !node->children.empty() || node->childrenFlag != 0; }

    BOOL Expand(qelt::WindowRecord& window, HTREEITEM handle, UINT code) {
        Node* node = Find(handle, "TVM_EXPAND");
        if (!node) return FALSE;
        const bool expanded = (node->state & TVIS_EXPANDED) != 0;
        bool expand = expanded;
        switch (code & 0x0003) {
        case TVE_EXPAND: expand = true; break;
        case TVE_COLLAPSE: expand = false; break;
        case TVE_TOGGLE: expand = !expanded; break;
        default: return FALSE;
        }
        if (expand && !HasChildren(node)) return FALSE;
        if (!expand && !expanded) return FALSE;
        // The first expansion is announced: the parent may fill the item's children in, or veto.
        if (expand && !(node->state & TVIS_EXPANDEDONCE)) {
            NMTREEVIEW notice{};
            notice.action = TVE_EXPAND;
            Describe(handle, notice.itemNew);
            if (qelt::SendNotify(window, notice.hdr, TVN_ITEMEXPANDING) != 0) return FALSE;
            if (!m_nodes.count(handle)) return FALSE;  // deleted by the handler
            node->state |= TVIS_EXPANDED | TVIS_EXPANDEDONCE;
            Describe(handle, notice.itemNew);
            ::InvalidateRect(window.handle, nullptr, TRUE);
            qelt::SendNotify(window, notice.hdr, TVN_ITEMEXPANDED);
            return TRUE;
        }
        if (expand) node->state |= TVIS_EXPANDED | TVIS_EXPANDEDONCE;
        else node->state &= ~TVIS_EXPANDED;
        if (!expand && (code & TVE_COLLAPSERESET)) {
            for (Node* child : std::vector<Node*>(node->children)) Erase(child);
            node->state &= ~TVIS_EXPANDEDONCE;
        }
        ::InvalidateRect(window.handle, nullptr, TRUE);
        return TRUE;
    }

    // Orders an item's direct children (the top level for TVI_ROOT or null) by text, case-blind,
    // keeping equal texts in their order. The recurse flag is ignored, as the platform ignores it.
    BOOL SortChildren(qelt::WindowRecord& window, HTREEITEM handle) {
        Node* node = Parent(handle, "TVM_SORTCHILDREN");
        if (!node) return FALSE;
        std::stable_sort(node->children.begin(), node->children.end(), [](const Node* a, const Node* b) {
            return qelt::gbk::CompareNoCase(a->text.Str(), b->text.Str()) < 0;
        });
        ::InvalidateRect(window.handle, nullptr, TRUE);
        return TRUE;
    }

    // Whether a node is shown: every ancestor expanded.
    static bool Shown(const Node* node) {
        for (const Node* at = node->parent; at && at->handle; at = at->parent) {
            if (!(at->state & TVIS_EXPANDED)) return false;
        }
        return true;
    }

    // The nodes in display order (each followed by its children), all of them or the shown ones.
    void Flatten(const Node* node, bool shownOnly, std::vector<Node*>& out) const {
        for (Node* child : node->children) {
            out.push_back(child);
            if (!shownOnly || (child->state & TVIS_EXPANDED)) Flatten(child, shownOnly, out);
        }
    }

    HTREEITEM Sibling(const Node* node, int step) const {
        const std::vector<Node*>& siblings = node->parent->children;
        const auto at = std::find(siblings.begin(), siblings.end(), node) - siblings.begin() + step;
        return at >= 0 && at < static_cast<std::ptrdiff_t>(siblings.size()) ? siblings[static_cast<size_t>(at)]->handle : nullptr;
    }

    HTREEITEM Next(HTREEITEM handle, UINT code) {
        switch (code) {
        case TVGN_ROOT:
        case TVGN_FIRSTVISIBLE:
            return m_root.children.empty() ? nullptr : m_root.children.front()->handle;
        case TVGN_CARET:
            return m_selected;
        case TVGN_DROPHILITE:
            return m_dropTarget;
        case TVGN_LASTVISIBLE: {
            std::vector<Node*> shown;
            Flatten(&m_root, true, shown);
            return shown.empty() ? nullptr : shown.back()->handle;
        }
        case TVGN_CHILD: {
            Node* node = Parent(handle, "TVM_GETNEXTITEM");
            return node && !node->children.empty() ? node->children.front()->handle : nullptr;
        }
        default:
            break;
        }
        Node* node = Find(handle, "TVM_GETNEXTITEM");
        if (!node) return nullptr;
        switch (code) {
        case TVGN_NEXT: return Sibling(node, 1);
        case TVGN_PREVIOUS: return Sibling(node, -1);
        case TVGN_PARENT: return node->parent->handle;
        case TVGN_NEXTVISIBLE:
        case TVGN_PREVIOUSVISIBLE: {
            if (!Shown(node)) return nullptr;
            std::vector<Node*> shown;
            Flatten(&m_root, true, shown);
            const auto at = std::find(shown.begin(), shown.end(), node) - shown.begin() + (code == TVGN_NEXTVISIBLE ? 1 : -1);
            return at >= 0 && at < static_cast<std::ptrdiff_t>(shown.size()) ? shown[static_cast<size_t>(at)]->handle : nullptr;
        }
        default:
            qelt::ReportMisuse("TVM_GETNEXTITEM: %u is no relation of items", code);
            return nullptr;
        }
    }

    void Describe(HTREEITEM handle, TVITEM& item) const {
        item = TVITEM{};
        item.mask = TVIF_HANDLE | TVIF_STATE | TVIF_PARAM;
        item.hItem = handle;
        item.stateMask = 0xFFFF;
        if (!handle) return;
        const Node& node = *m_nodes.at(handle);
        item.state = node.state;
        item.lParam = node.param;
    }

    BOOL SelectMessage(qelt::WindowRecord& window, HTREEITEM handle, UINT code) {
        if (handle && !Find(handle, "TVM_SELECTITEM")) return FALSE;
        switch (code) {
        case TVGN_CARET:
            return Select(window, handle, TVC_UNKNOWN);
        case TVGN_DROPHILITE:
            m_dropTarget = handle;
            return TRUE;
        case TVGN_FIRSTVISIBLE:
            return TRUE;  // everything is in view: nothing to scroll
        default:
            qelt::ReportMisuse("TVM_SELECTITEM: %u is no kind of selection", code);
            return FALSE;
        }
    }

    BOOL Select(qelt::WindowRecord& window, HTREEITEM handle, UINT action) {
        if (handle == m_selected) return TRUE;
        NMTREEVIEW notice{};
        notice.action = action;
        Describe(m_selected, notice.itemOld);
        Describe(handle, notice.itemNew);
        if (qelt::SendNotify(window, notice.hdr, TVN_SELCHANGING) != 0) return FALSE;
        if (handle && !m_nodes.count(handle)) return FALSE;  // deleted by the handler
        if (m_selected && m_nodes.count(m_selected)) m_nodes.at(m_selected)->state &= ~TVIS_SELECTED;
        m_selected = handle;
        if (handle) {
            Node* node = m_nodes.at(handle).get();
            node->state |= TVIS_SELECTED;
            for (Node* at = node->parent; at && at->handle; at = at->parent) at->state |= TVIS_EXPANDED | TVIS_EXPANDEDONCE;
        }
        const HTREEITEM old = notice.itemOld.hItem;
        Describe(old && m_nodes.count(old) ? old : nullptr, notice.itemOld);
        notice.itemOld.hItem = old;
        Describe(handle, notice.itemNew);
        ::InvalidateRect(window.handle, nullptr, TRUE);
        qelt::SendNotify(window, notice.hdr, TVN_SELCHANGED);
        return TRUE;
    }

    BOOL GetItem(TVITEM* item) const {
        if (!item) return FALSE;
        const Node* node = Find(item->hItem, "TVM_GETITEM");
        if (!node) return FALSE;
        if (item->mask & TVIF_TEXT) qelt::CopyTextOut(node->text.Str(), item->pszText, item->cchTextMax);
        if (item->mask & TVIF_IMAGE) item->iImage = node->image;
        if (item->mask & TVIF_SELECTEDIMAGE) item->iSelectedImage = node->selectedImage;
        if (item->mask & TVIF_STATE) item->state = node->state & item->stateMask;
        if (item->mask & TVIF_PARAM) item->lParam = node->param;
        if (item->mask & TVIF_CHILDREN) item->cChildren = HasChildren(node) ? 1 : 0;
        return TRUE;
    }

    BOOL SetItem(qelt::WindowRecord& window, const TVITEM* item) {
        if (!item) return FALSE;
        Node* node = Find(item->hItem, "TVM_SETITEM");
        if (!node) return FALSE;
        if (item->mask & TVIF_TEXT) node->text = qelt::TextIn(item->pszText, "TVM_SETITEM");
        if (item->mask & TVIF_IMAGE) node->image = item->iImage;
        if (item->mask & TVIF_SELECTEDIMAGE) node->selectedImage = item->iSelectedImage;
        if (item->mask & TVIF_STATE) node->state = (node->state & ~item->stateMask) | (item->state & item->stateMask);
        if (item->mask & TVIF_PARAM) node->param = item->lParam;
        if (item->mask & TVIF_CHILDREN) node->childrenFlag = item->cChildren;
        ::InvalidateRect(window.handle, nullptr, TRUE);
        return TRUE;
    }

    Node m_root;
    std::unordered_map<HTREEITEM, std::unique_ptr<Node>> m_nodes;
    HTREEITEM m_selected = nullptr;
    HTREEITEM m_dropTarget = nullptr;
    HIMAGELIST m_images[2] = {nullptr, nullptr};  // TVSIL_NORMAL, TVSIL_STATE
};

const qelt::WindowClassRegistration kTreeViewClass(WC_TREEVIEW, &qelt::MakeProcedure<TreeViewProcedure>,
                                                   &qelt::MakeWrapper<CTreeCtrl>);

}  // namespace
