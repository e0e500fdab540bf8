// implementation to come
