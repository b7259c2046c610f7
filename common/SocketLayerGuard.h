#pragma once
// Ends a started socket layer exactly once, on every way out of the routine
// that started it: the guard's destructor calls Cleanup() (WSACleanup).
template <class Layer>
class SocketLayerGuard {
public:
    explicit SocketLayerGuard(Layer& layer) : m_layer(layer) {}
    SocketLayerGuard(const SocketLayerGuard&) = delete;
    SocketLayerGuard& operator=(const SocketLayerGuard&) = delete;
    ~SocketLayerGuard() { m_layer.Cleanup(); }

private:
    Layer& m_layer;
};
