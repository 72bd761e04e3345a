#pragma once
// A process-wide singly linked list of static objects, headed by one pointer:
// objects are pushed at the head, so the list holds them newest first. The list
// never owns its nodes.

namespace Ovo {

template <class Node> class LinkedList {
public:
    void PushFront(Node* node) {
        node->next = m_head;
        m_head = node;
    }
    Node* Head() const { return m_head; }
    void Clear() { m_head = nullptr; }

    template <class Visit> void ForEach(Visit visit) const {
        for (Node* node = m_head; node != nullptr; node = node->next)
            visit(*node);
    }

private:
    Node* m_head = nullptr;
};

} // namespace Ovo
